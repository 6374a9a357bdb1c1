#pragma once
// The X side of the input hooks, free of Qt so that no X header meets a Qt one: two private
// connections to the display, one recording every client's key and button events through the
// RECORD extension, one controlling the recording and holding the keyboard grab.
//
// After enable(), run() is meant for a worker thread: it records until stop() is called (from any thread) and
// hands the events over in batches, in order. A key's auto-repeat is dropped: the X server
// records it as another press of a key that is down, or (servers that repeat the core way) as a
// release and a press with one time stamp; to see what follows a release the batch ending in one
// waits up to repeatWaitMs before handing it over.

#include <atomic>
#include <bitset>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct X11RawEvent {
    enum Kind : uint8_t { KeyDown, KeyUp, ButtonDown, ButtonUp };
    Kind kind = KeyDown;
    uint8_t detail = 0;  // X key code or button number
    int16_t x = 0;       // root coordinates
    int16_t y = 0;
    uint32_t time = 0;  // server milliseconds
};

class X11RecordSession
{
public:
    // Called on the worker thread with each batch of events.
    using BatchHandler = std::function<void(std::vector<X11RawEvent> &&batch)>;
    // Asked on the worker thread every time the loop wakes: false ends the keyboard grab for good.
    using GrabGuard = std::function<bool()>;

    explicit X11RecordSession(int repeatWaitMs = 4);
    ~X11RecordSession();
    X11RecordSession(const X11RecordSession &) = delete;
    X11RecordSession &operator=(const X11RecordSession &) = delete;

    // Whether the display (empty: $DISPLAY) opens and has RECORD; the reason when not.
    static bool probe(const std::string &display, std::string *reason);

    // Opens both connections and prepares the recording. False, with the reason, leaves nothing open.
    bool open(const std::string &display, std::string *reason);
    // Whether the server is XWayland (it then sees the input of X programs only).
    bool isXWayland() const { return m_xwayland; }

    // Grabs the keyboard with window as grab window, trying again for about retryMs while another
    // client holds it. Called before run(), on the thread that opened the session. Returns false with the
    // reason.
    bool grabKeyboard(unsigned long window, int retryMs, std::string *reason);

    // Starts the recording and waits until the server has begun it. False with the reason.
    bool enable(std::string *reason);
    // Records until stop(); ends with the grab released and the recording disabled. Returns
    // false with the reason when the recording could not be enabled.
    bool run(const BatchHandler &onBatch, const GrabGuard &keepGrab, std::string *reason);
    // Makes run() return; safe from any thread, also before run() starts.
    void stop();

    // Auto-repeats dropped since open().
    uint64_t droppedRepeats() const { return m_droppedRepeats.load(); }
    bool holdsGrab() const { return m_grabbed; }

    // Used by the RECORD callback.
    void intercept(const unsigned char *data, int length);
    void markStarted() { m_started = true; }

private:
    void close();
    void flushPending(bool force, int64_t nowMs);
    void releaseGrab();

    struct Connections;
    Connections *m_x = nullptr;
    int m_repeatWaitMs;
    int m_wakePipe[2] = {-1, -1};
    bool m_xwayland = false;
    bool m_grabbed = false;
    bool m_started = false;
    std::atomic<bool> m_stopRequested{false};
    std::atomic<uint64_t> m_droppedRepeats{0};
    std::vector<X11RawEvent> m_batch;
    std::bitset<256> m_keysDown;  // by X key code, as seen since open()
    bool m_hasPending = false;
    X11RawEvent m_pending;
    int64_t m_pendingSinceMs = 0;
};

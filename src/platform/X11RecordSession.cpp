#include "X11RecordSession.h"

#include <X11/Xlib.h>
// After Xlib, which they build on.
#include <X11/extensions/record.h>
#include <X11/Xproto.h>

#include <algorithm>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <thread>
#include <unistd.h>

struct X11RecordSession::Connections {
    Display *control = nullptr;  // creates and disables the recording, holds the grab
    Display *data = nullptr;     // receives the recorded events
    XRecordContext context = 0;
};

namespace {

int64_t nowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// Our connections' protocol errors (a window gone before the grab, say) are answered by return
// values; Xlib's default handler would end the process.
int quietErrorHandler(Display *, XErrorEvent *)
{
    return 0;
}

void recordCallback(XPointer closure, XRecordInterceptData *data)
{
    if (data->category == XRecordStartOfData)
        reinterpret_cast<X11RecordSession *>(closure)->markStarted();
    else if (data->category == XRecordFromServer && data->data)
        reinterpret_cast<X11RecordSession *>(closure)->intercept(data->data, int(data->data_len) * 4);
    XRecordFreeData(data);
}

const char *displayName(const std::string &display)
{
    return display.empty() ? nullptr : display.c_str();
}

}  // namespace

X11RecordSession::X11RecordSession(int repeatWaitMs)
    : m_repeatWaitMs(repeatWaitMs)
{
}

X11RecordSession::~X11RecordSession()
{
    close();
}

bool X11RecordSession::probe(const std::string &display, std::string *reason)
{
    Display *dpy = XOpenDisplay(displayName(display));
    if (!dpy) {
        if (reason)
            *reason = "the X display cannot be opened";
        return false;
    }
    int major = 0;
    int minor = 0;
    const bool hasRecord = XRecordQueryVersion(dpy, &major, &minor);
    XCloseDisplay(dpy);
    if (!hasRecord && reason)
        *reason = "the X server has no RECORD extension";
    return hasRecord;
}

bool X11RecordSession::open(const std::string &display, std::string *reason)
{
    close();
    auto fail = [&](const char *text) {
        if (reason)
            *reason = text;
        close();
        return false;
    };
    XSetErrorHandler(quietErrorHandler);
    m_x = new Connections;
    m_x->control = XOpenDisplay(displayName(display));
    m_x->data = m_x->control ? XOpenDisplay(displayName(display)) : nullptr;
    if (!m_x->control || !m_x->data)
        return fail("the X display cannot be opened");
    int major = 0;
    int minor = 0;
    if (!XRecordQueryVersion(m_x->control, &major, &minor))
        return fail("the X server has no RECORD extension");
    int opcode = 0;
    int firstEvent = 0;
    int firstError = 0;
    m_xwayland = XQueryExtension(m_x->control, "XWAYLAND", &opcode, &firstEvent, &firstError);

    XRecordRange *range = XRecordAllocRange();
    if (!range)
        return fail("no memory for the recording range");
    range->device_events.first = KeyPress;
    range->device_events.last = ButtonRelease;
    XRecordClientSpec clients = XRecordAllClients;
    m_x->context = XRecordCreateContext(m_x->control, 0, &clients, 1, &range, 1);
    XFree(range);
    if (!m_x->context)
        return fail("the recording context cannot be created");
    XSync(m_x->control, False);

    if (pipe2(m_wakePipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return fail("no wake-up pipe");
    m_stopRequested = false;
    m_started = false;
    m_hasPending = false;
    m_batch.clear();
    m_keysDown.reset();
    return true;
}

void X11RecordSession::close()
{
    if (m_x) {
        releaseGrab();
        if (m_x->context && m_x->control) {
            XRecordFreeContext(m_x->control, m_x->context);
            XSync(m_x->control, False);
        }
        if (m_x->data)
            XCloseDisplay(m_x->data);
        if (m_x->control)
            XCloseDisplay(m_x->control);
        delete m_x;
        m_x = nullptr;
    }
    for (int &fd : m_wakePipe) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

bool X11RecordSession::grabKeyboard(unsigned long window, int retryMs, std::string *reason)
{
    if (!m_x || !window) {
        if (reason)
            *reason = "no window to grab the keyboard with";
        return false;
    }
    const int64_t until = nowMs() + retryMs;
    for (;;) {
        const int result = XGrabKeyboard(m_x->control, window, False, GrabModeAsync, GrabModeAsync, CurrentTime);
        if (result == GrabSuccess) {
            XSync(m_x->control, False);
            m_grabbed = true;
            return true;
        }
        const bool heldElsewhere = result == AlreadyGrabbed || result == GrabFrozen;
        if (!heldElsewhere || nowMs() >= until) {
            if (reason) {
                *reason = heldElsewhere               ? "another client holds the keyboard"
                          : result == GrabNotViewable ? "the grab window is not viewable"
                                                      : "the keyboard grab was refused";
            }
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

void X11RecordSession::releaseGrab()
{
    if (m_grabbed && m_x && m_x->control) {
        XUngrabKeyboard(m_x->control, CurrentTime);
        XSync(m_x->control, False);
    }
    m_grabbed = false;
}

void X11RecordSession::stop()
{
    m_stopRequested = true;
    if (m_wakePipe[1] >= 0) {
        const char byte = 1;
        [[maybe_unused]] const ssize_t written = ::write(m_wakePipe[1], &byte, 1);
    }
}

void X11RecordSession::intercept(const unsigned char *data, int length)
{
    if (length < int(sizeof(xEvent)))
        return;
    const auto *event = reinterpret_cast<const xEvent *>(data);
    X11RawEvent raw;
    switch (event->u.u.type & 0x7f) {
    case KeyPress:
        raw.kind = X11RawEvent::KeyDown;
        break;
    case KeyRelease:
        raw.kind = X11RawEvent::KeyUp;
        break;
    case ButtonPress:
        raw.kind = X11RawEvent::ButtonDown;
        break;
    case ButtonRelease:
        raw.kind = X11RawEvent::ButtonUp;
        break;
    default:
        return;
    }
    raw.detail = event->u.u.detail;
    raw.time = event->u.keyButtonPointer.time;
    raw.x = event->u.keyButtonPointer.rootX;
    raw.y = event->u.keyButtonPointer.rootY;

    if (m_hasPending) {
        m_hasPending = false;
        if (raw.kind == X11RawEvent::KeyDown && raw.detail == m_pending.detail && raw.time == m_pending.time) {
            ++m_droppedRepeats;  // a release and a press of one key at one time: auto-repeat
            m_keysDown.set(raw.detail);
            return;
        }
        m_batch.push_back(m_pending);
    }
    if (raw.kind == X11RawEvent::KeyDown) {
        if (m_keysDown.test(raw.detail)) {
            ++m_droppedRepeats;  // a press of a key that is down: auto-repeat
            return;
        }
        m_keysDown.set(raw.detail);
    }
    if (raw.kind == X11RawEvent::KeyUp) {
        m_keysDown.reset(raw.detail);
        m_pending = raw;
        m_hasPending = true;
        m_pendingSinceMs = nowMs();
        return;
    }
    m_batch.push_back(raw);
}

void X11RecordSession::flushPending(bool force, int64_t now)
{
    if (m_hasPending && (force || now - m_pendingSinceMs >= m_repeatWaitMs)) {
        m_batch.push_back(m_pending);
        m_hasPending = false;
    }
}

bool X11RecordSession::enable(std::string *reason)
{
    auto fail = [&](const char *text) {
        if (reason)
            *reason = text;
        return false;
    };
    if (!m_x || !m_x->context)
        return fail("the recording is not open");
    if (!XRecordEnableContextAsync(m_x->data, m_x->context, recordCallback, reinterpret_cast<XPointer>(this)))
        return fail("the recording cannot be enabled");
    XFlush(m_x->data);
    // Events count from the server's start-of-data reply: wait for it, so that nothing typed
    // after enable() returns is missed.
    const int64_t until = nowMs() + 2000;
    pollfd fd = {ConnectionNumber(m_x->data), POLLIN, 0};
    while (!m_started) {
        const int64_t left = until - nowMs();
        if (left <= 0)
            return fail("the X server did not start the recording");
        poll(&fd, 1, int(left));
        XRecordProcessReplies(m_x->data);
    }
    return true;
}

bool X11RecordSession::run(const BatchHandler &onBatch, const GrabGuard &keepGrab, std::string *reason)
{
    if (!m_started) {
        if (reason)
            *reason = "the recording is not enabled";
        releaseGrab();
        return false;
    }
    pollfd fds[3] = {{ConnectionNumber(m_x->data), POLLIN, 0},
                     {ConnectionNumber(m_x->control), POLLIN, 0},
                     {m_wakePipe[0], POLLIN, 0}};
    while (!m_stopRequested) {
        int timeout = 100;
        if (m_hasPending)
            timeout = int(std::max<int64_t>(0, m_pendingSinceMs + m_repeatWaitMs - nowMs()));
        if (!m_batch.empty())
            timeout = 0;  // read while enabling
        poll(fds, 3, timeout);
        if (fds[2].revents & POLLIN) {
            char drain[16];
            while (::read(m_wakePipe[0], drain, sizeof(drain)) > 0) {
            }
        }
        XRecordProcessReplies(m_x->data);
        // Keys under our grab are reported to the control connection: nobody reads them.
        while (XPending(m_x->control)) {
            XEvent ignored;
            XNextEvent(m_x->control, &ignored);
        }
        flushPending(false, nowMs());
        if (!m_batch.empty()) {
            std::vector<X11RawEvent> batch;
            batch.swap(m_batch);
            onBatch(std::move(batch));
        }
        if (m_grabbed && keepGrab && !keepGrab())
            releaseGrab();
    }
    releaseGrab();
    XRecordDisableContext(m_x->control, m_x->context);
    XSync(m_x->control, False);
    m_hasPending = false;
    m_batch.clear();
    return true;
}

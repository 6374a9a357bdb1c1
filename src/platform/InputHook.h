#pragma once
// Global keyboard and mouse capture: while started, every key and button event of the desktop
// arrives here as a signal on the GUI thread, in order, each with the time the display server
// gave it (milliseconds, wrapping at 2^32). Keys are swallowed where the backend can: they reach
// neither other programs nor our own widgets. Pointer motion and sideways wheels are not read;
// a held key's auto-repeat is not reported.
//
// One object serves the whole process (InputHookFactory); the X11 backend records every
// client's input, the fallback sees only what reaches our own windows.

#include <QObject>
#include <QString>

class InputHook : public QObject
{
    Q_OBJECT
public:
    enum class Status {
        Full,     // the whole desktop's input
        Limited,  // only part of it: our own windows, or the X programs of a Wayland desktop
        Failed,   // nothing started
    };
    Q_ENUM(Status)

    explicit InputHook(QObject *parent = nullptr);
    ~InputHook() override;

    // Starts capturing; grabWindow is the native id of our focused top-level window (0: none),
    // the window keys are swallowed into. A failed start leaves nothing running. Starting a
    // running hook changes nothing and gives its status again.
    virtual Status start(quintptr grabWindow) = 0;
    // Stops capturing; afterwards nothing runs and no event follows. Safe when stopped.
    virtual void stop() = 0;
    virtual bool isRunning() const = 0;
    // Why the last start was limited or failed (empty when it was full).
    virtual QString startReason() const = 0;

signals:
    // linuxCode is the kernel's key code (the X key code less 8).
    void keyEvent(int linuxCode, bool down, quint32 time);
    // button: 1 left, 2 middle, 3 right, 4/5 wheel up/down (down only), 8/9 back/forward;
    // x and y in screen pixels where known.
    void buttonEvent(int button, bool down, int x, int y, quint32 time);
};

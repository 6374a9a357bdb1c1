#pragma once
// A stand-in for the desktop's input hook: tests start and stop it through the pages' handles
// and type keys and buttons into it with press()/release()/button(). It can be told to fail
// its next starts.

#include "InputHook.h"

class FakeInputHook : public InputHook
{
public:
    using InputHook::InputHook;

    Status start(quintptr grabWindow) override
    {
        ++starts;
        lastGrabWindow = grabWindow;
        if (failStarts > 0) {
            --failStarts;
            running = false;
            reason = QStringLiteral("told to fail");
            return Status::Failed;
        }
        running = true;
        return status;
    }
    void stop() override
    {
        ++stops;
        running = false;
    }
    bool isRunning() const override { return running; }
    QString startReason() const override { return reason; }

    // Events reach the receivers only while running, as from the real hook.
    void press(int linuxCode, quint32 time = 0) { key(linuxCode, true, time); }
    void release(int linuxCode, quint32 time = 0) { key(linuxCode, false, time); }
    void key(int linuxCode, bool down, quint32 time)
    {
        if (running)
            emit keyEvent(linuxCode, down, time);
    }
    void button(int number, bool down, int x = 0, int y = 0, quint32 time = 0)
    {
        if (running)
            emit buttonEvent(number, down, x, y, time);
    }

    Status status = Status::Full;
    QString reason;
    int failStarts = 0;
    bool running = false;
    int starts = 0;
    int stops = 0;
    quintptr lastGrabWindow = 0;
};

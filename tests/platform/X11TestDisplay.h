#pragma once
// The X11 test's own connection to the display, kept apart from Qt's headers: reads the lock
// state, sets the auto-repeat rate, and grabs the keyboard as another client would.

struct _XDisplay;

class X11TestDisplay
{
public:
    X11TestDisplay();
    ~X11TestDisplay();
    X11TestDisplay(const X11TestDisplay &) = delete;
    X11TestDisplay &operator=(const X11TestDisplay &) = delete;

    bool isOpen() const { return m_display != nullptr; }
    bool capsLocked() const;
    // Repeat after delayMs, then every intervalMs, for every key.
    bool setAutoRepeat(int delayMs, int intervalMs);
    // Grabs the keyboard with the root window; false when refused.
    bool grabKeyboard();
    void ungrabKeyboard();

private:
    _XDisplay *m_display = nullptr;
};

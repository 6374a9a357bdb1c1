#pragma once
// Injects key events into the X server through XTest, without Qt (no X header meets a Qt one).

struct _XDisplay;

class XTestInjector
{
public:
    XTestInjector();
    ~XTestInjector();
    XTestInjector(const XTestInjector &) = delete;
    XTestInjector &operator=(const XTestInjector &) = delete;

    bool isOpen() const;
    // One key event by X key code; sync waits until the server has taken it.
    void key(int xKeyCode, bool down, bool sync);
    void sync();

private:
    _XDisplay *m_display = nullptr;
};

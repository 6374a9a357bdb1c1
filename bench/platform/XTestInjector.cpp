#include "XTestInjector.h"

#include <X11/Xlib.h>
// After Xlib, which they build on.
#include <X11/extensions/XTest.h>

XTestInjector::XTestInjector()
    : m_display(XOpenDisplay(nullptr))
{
}

XTestInjector::~XTestInjector()
{
    if (m_display)
        XCloseDisplay(m_display);
}

bool XTestInjector::isOpen() const
{
    int event = 0;
    int error = 0;
    int major = 0;
    int minor = 0;
    return m_display && XTestQueryExtension(m_display, &event, &error, &major, &minor);
}

void XTestInjector::key(int xKeyCode, bool down, bool sync)
{
    XTestFakeKeyEvent(m_display, unsigned(xKeyCode), down ? True : False, CurrentTime);
    if (sync)
        XSync(m_display, False);
}

void XTestInjector::sync()
{
    XSync(m_display, False);
}

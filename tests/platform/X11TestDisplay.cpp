#include "X11TestDisplay.h"

#include <X11/Xlib.h>
// After Xlib, which they build on.
#include <X11/XKBlib.h>

X11TestDisplay::X11TestDisplay()
    : m_display(XOpenDisplay(nullptr))
{
}

X11TestDisplay::~X11TestDisplay()
{
    if (m_display)
        XCloseDisplay(m_display);
}

bool X11TestDisplay::capsLocked() const
{
    XkbStateRec state;
    if (XkbGetState(m_display, XkbUseCoreKbd, &state) != Success)
        return false;
    return state.locked_mods & LockMask;
}

bool X11TestDisplay::setAutoRepeat(int delayMs, int intervalMs)
{
    XAutoRepeatOn(m_display);
    XkbChangeEnabledControls(m_display, XkbUseCoreKbd, XkbRepeatKeysMask, XkbRepeatKeysMask);
    const bool ok = XkbSetAutoRepeatRate(m_display, XkbUseCoreKbd, unsigned(delayMs), unsigned(intervalMs));
    XSync(m_display, False);
    return ok;
}

bool X11TestDisplay::grabKeyboard()
{
    const int result =
        XGrabKeyboard(m_display, DefaultRootWindow(m_display), False, GrabModeAsync, GrabModeAsync, CurrentTime);
    XSync(m_display, False);
    return result == GrabSuccess;
}

void X11TestDisplay::ungrabKeyboard()
{
    XUngrabKeyboard(m_display, CurrentTime);
    XSync(m_display, False);
}

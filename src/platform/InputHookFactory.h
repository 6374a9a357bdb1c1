#pragma once
// Makes the process's one input hook and keeps it: the X11 recorder where Qt runs on an X
// display with RECORD, else the own-windows fallback. Tests put in their own maker before any
// page is built.

#include <functional>

class InputHook;

class InputHookFactory
{
public:
    using Maker = std::function<InputHook *()>;

    // The process's hook, made on first use; a child of the application object, so it goes
    // with it. Null only without an application object.
    static InputHook *instance();
    // Replaces how the hook is made; a hook made before is stopped and deleted. An empty maker
    // brings back the system's.
    static void setMaker(Maker maker);
    // The system's choice, without a parent.
    static InputHook *createSystemHook();

    // Before the application object exists: when an X display is set and neither the command
    // line nor QT_QPA_PLATFORM chooses a platform, Qt is asked for xcb, so that the whole
    // desktop's input can be recorded (under XWayland too).
    static void preferX11Platform(int argc, char **argv);
};

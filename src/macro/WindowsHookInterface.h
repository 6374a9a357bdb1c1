#pragma once
// The program's global keyboard and mouse hooks, as the macro recorder and the key-entry
// fields use them. The object constructed last is the one that receives the hooked events.
//
// This is the outer shape only: the hooks are not installed yet; starting and stopping
// succeed and do nothing.

#include <QObject>

class WindowsHookInterface : public QObject
{
    Q_OBJECT
public:
    explicit WindowsHookInterface(QObject *parent = nullptr);
    ~WindowsHookInterface() override;

    // 1 when the hooks are installed (or were already).
    int startHook(int mode);
    // Removes the hooks; 1.
    int stopHook();

    // The object that receives the hooked events: the one constructed last that still exists.
    static WindowsHookInterface *current();
};

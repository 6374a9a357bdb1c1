#include "WindowsHookInterface.h"

#include <QList>

namespace {

QList<WindowsHookInterface *> &registry()
{
    static QList<WindowsHookInterface *> objects;
    return objects;
}

}  // namespace

WindowsHookInterface::WindowsHookInterface(QObject *parent)
    : QObject(parent)
{
    registry().append(this);
}

WindowsHookInterface::~WindowsHookInterface()
{
    registry().removeAll(this);
}

int WindowsHookInterface::startHook(int mode)
{
    Q_UNUSED(mode)
    return 1;
}

int WindowsHookInterface::stopHook()
{
    return 1;
}

WindowsHookInterface *WindowsHookInterface::current()
{
    return registry().isEmpty() ? nullptr : registry().constLast();
}

#include "SystemDeviceNotifier.h"

#include "UdevDeviceNotifier.h"

DeviceNotifier *createSystemDeviceNotifier(QObject *parent)
{
    return new UdevDeviceNotifier(parent);
}

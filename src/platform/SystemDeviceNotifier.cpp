// SPDX-License-Identifier: GPL-3.0-or-later
#include "SystemDeviceNotifier.h"

#include "UdevDeviceNotifier.h"

DeviceNotifier *createSystemDeviceNotifier(QObject *parent)
{
    return new UdevDeviceNotifier(parent);
}

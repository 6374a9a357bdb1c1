// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The system's device notifier: a udev monitor on the "hidraw" subsystem, read in the GUI
// thread through a socket notifier. "add" events arrive as deviceArrived, "remove" events as
// deviceRemoved, each with the device's sysfs path.

#include "DeviceNotifier.h"

class QSocketNotifier;
struct udev;
struct udev_monitor;

class UdevDeviceNotifier : public DeviceNotifier
{
    Q_OBJECT
public:
    explicit UdevDeviceNotifier(QObject *parent = nullptr);
    ~UdevDeviceNotifier() override;

    bool isActive() const override;

private:
    void readEvents();
    void release();

    udev *m_udev = nullptr;
    udev_monitor *m_monitor = nullptr;
    QSocketNotifier *m_socketNotifier = nullptr;
};

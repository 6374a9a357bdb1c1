// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Device notifications for simulated devices: every plug and unplug of the emulator comes out
// as the kernel would report it, one event per HID interface, each with a sysfs-like path
// ("/sys/devices/virtual/zelka-emulator/0003:0416:B23C.0001/hidraw/hidraw0").
// Events reach the receivers through the event loop, as the system's notifications do.

#include "DeviceNotifier.h"

#include <QMap>
#include <QStringList>

#include <mutex>

class EmulatorDeviceNotifier : public DeviceNotifier
{
    Q_OBJECT
public:
    explicit EmulatorDeviceNotifier(QObject *parent = nullptr);
    ~EmulatorDeviceNotifier() override;

    bool isActive() const override;

private:
    // Runs in the thread that plugs or unplugs.
    void onHotplug(int deviceId, bool arrived);
    QStringList interfacePaths(int deviceId);

    int m_listenerToken = 0;
    std::mutex m_mutex;
    QMap<int, QStringList> m_pathsByDevice;  // guarded by m_mutex
    int m_sequence = 0;                      // guarded by m_mutex
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tells the program when a HID interface appears or goes away. The system notifier watches the
// kernel's "hidraw" devices; tests and the demo plug in one driven by simulated devices.
// Each event carries the interface's device path, in which the bus, vendor and product ids
// stand as "BBBB:VVVV:PPPP.NNNN" (".../0003:0416:B23C.0007/hidraw/hidraw3"). A device with
// several HID interfaces gives one event per interface.

#include <QObject>
#include <QString>

class DeviceNotifier : public QObject
{
    Q_OBJECT
public:
    explicit DeviceNotifier(QObject *parent = nullptr);
    ~DeviceNotifier() override;

    // Whether events can arrive at all (false when the system gave no monitor).
    virtual bool isActive() const = 0;

    // The vendor and product id that a device path carries (the last "BBBB:VVVV:PPPP.NNNN"
    // folder of the path); false, and both left alone, when the path carries none.
    static bool idsFromPath(const QString &devicePath, int *vendorId, int *productId);

signals:
    void deviceArrived(QString devicePath);
    void deviceRemoved(QString devicePath);
};

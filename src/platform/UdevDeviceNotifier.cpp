// SPDX-License-Identifier: GPL-3.0-or-later
#include "UdevDeviceNotifier.h"

#include "LogCategories.h"

#include <QSocketNotifier>

#include <libudev.h>

#include <cstring>

UdevDeviceNotifier::UdevDeviceNotifier(QObject *parent)
    : DeviceNotifier(parent)
{
    m_udev = udev_new();
    if (!m_udev) {
        qCDebug(lcPlatform)
            << "------------------ *** Device notification not registered: no udev *** ------------------";
        return;
    }
    m_monitor = udev_monitor_new_from_netlink(m_udev, "udev");
    if (!m_monitor || udev_monitor_filter_add_match_subsystem_devtype(m_monitor, "hidraw", nullptr) < 0
        || udev_monitor_enable_receiving(m_monitor) < 0) {
        qCDebug(lcPlatform)
            << "------------------ *** Device notification not registered: no udev monitor *** ------------------";
        release();
        return;
    }
    const int fd = udev_monitor_get_fd(m_monitor);
    if (fd < 0) {
        qCDebug(lcPlatform)
            << "------------------ *** Device notification not registered: no monitor socket *** ------------------";
        release();
        return;
    }
    m_socketNotifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(m_socketNotifier, &QSocketNotifier::activated, this, [this] { readEvents(); });
}

UdevDeviceNotifier::~UdevDeviceNotifier()
{
    delete m_socketNotifier;
    m_socketNotifier = nullptr;
    release();
}

bool UdevDeviceNotifier::isActive() const
{
    return m_socketNotifier != nullptr;
}

void UdevDeviceNotifier::readEvents()
{
    if (!m_monitor)
        return;
    // The socket is non-blocking: take every event that waits, then return to the event loop.
    while (udev_device *device = udev_monitor_receive_device(m_monitor)) {
        const char *action = udev_device_get_action(device);
        const char *syspath = udev_device_get_syspath(device);
        const QString path = syspath ? QString::fromLocal8Bit(syspath) : QString();
        if (action && !path.isEmpty()) {
            if (std::strcmp(action, "add") == 0)
                emit deviceArrived(path);
            else if (std::strcmp(action, "remove") == 0)
                emit deviceRemoved(path);
        }
        udev_device_unref(device);
    }
}

void UdevDeviceNotifier::release()
{
    if (m_monitor) {
        udev_monitor_unref(m_monitor);
        m_monitor = nullptr;
    }
    if (m_udev) {
        udev_unref(m_udev);
        m_udev = nullptr;
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "EmulatorDeviceNotifier.h"

#include "Emulator.h"

#include <QMetaObject>

EmulatorDeviceNotifier::EmulatorDeviceNotifier(QObject *parent)
    : DeviceNotifier(parent)
{
    // Devices plugged before the notifier existed can still be reported when they leave.
    for (const emu::DeviceId id : emu::devices()) {
        const QStringList paths = interfacePaths(id);
        std::lock_guard<std::mutex> lock(m_mutex);
        m_pathsByDevice.insert(id, paths);
    }
    m_listenerToken = emu::addHotplugListener([this](emu::DeviceId id, bool arrived) { onHotplug(id, arrived); });
}

EmulatorDeviceNotifier::~EmulatorDeviceNotifier()
{
    emu::removeHotplugListener(m_listenerToken);
}

bool EmulatorDeviceNotifier::isActive() const
{
    return true;
}

QStringList EmulatorDeviceNotifier::interfacePaths(int deviceId)
{
    const emu::DeviceSpec spec = emu::spec(deviceId);
    int interfaceCount = spec.interfaces.size();
    if (interfaceCount == 0) {
        // The kind's default interfaces: as many as have a path.
        while (interfaceCount < 8 && !emu::path(deviceId, interfaceCount).isEmpty())
            ++interfaceCount;
    }
    QStringList paths;
    for (int i = 0; i < interfaceCount; ++i) {
        const QString node = emu::path(deviceId, i).section(QLatin1Char('/'), -1);
        int sequence = 0;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            sequence = ++m_sequence;
        }
        const auto hex4 = [](int value) { return QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0')).toUpper(); };
        paths.append(QStringLiteral("/sys/devices/virtual/zelka-emulator/0003:%1:%2.%3/hidraw/%4")
                         .arg(hex4(spec.vendorId), hex4(spec.productId), hex4(sequence),
                              node.isEmpty() ? QStringLiteral("hidraw%1").arg(i) : node));
    }
    return paths;
}

void EmulatorDeviceNotifier::onHotplug(int deviceId, bool arrived)
{
    QStringList paths;
    if (arrived) {
        paths = interfacePaths(deviceId);
        std::lock_guard<std::mutex> lock(m_mutex);
        m_pathsByDevice.insert(deviceId, paths);
    } else {
        std::lock_guard<std::mutex> lock(m_mutex);
        paths = m_pathsByDevice.take(deviceId);
    }
    // Queued on this object: a notifier that is gone by then drops the call.
    for (const QString &path : qAsConst(paths)) {
        QMetaObject::invokeMethod(
            this,
            [this, path, arrived] {
                if (arrived)
                    emit deviceArrived(path);
                else
                    emit deviceRemoved(path);
            },
            Qt::QueuedConnection);
    }
}

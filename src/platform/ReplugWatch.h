// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Sees a device that leaves and comes back under the same hidraw node before the program has
// looked at the device list again (a USB reset, a hub or KVM switch, a flaky contact). The list
// then still holds the path, yet the link opened on it talks to a device that is gone: such a
// path has to be closed and opened again. The notifier's paths end in the node's name
// (".../hidraw/hidraw3"); the device's path is "/dev/" and that name.

#include <QSet>
#include <QString>
#include <QStringList>

class ReplugWatch
{
public:
    void noteRemoval(const QString &devicePath);
    void noteArrival(const QString &devicePath);
    // The device paths that left and came back since the last call.
    QStringList takeReplugged();

    // "/dev/hidraw3" for ".../hidraw/hidraw3"; empty for a path without a node name.
    static QString hidPathOf(const QString &devicePath);

private:
    QSet<QString> m_removed;
    QSet<QString> m_replugged;
};

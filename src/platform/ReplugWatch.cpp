// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReplugWatch.h"

void ReplugWatch::noteRemoval(const QString &devicePath)
{
    const QString path = hidPathOf(devicePath);
    if (!path.isEmpty())
        m_removed.insert(path);
}

void ReplugWatch::noteArrival(const QString &devicePath)
{
    const QString path = hidPathOf(devicePath);
    if (!path.isEmpty() && m_removed.contains(path))
        m_replugged.insert(path);
}

QStringList ReplugWatch::takeReplugged()
{
    QStringList paths = m_replugged.values();
    paths.sort();
    // A path that left and is still away stays noted: it may come back while a list is being
    // read. A note on a path without a link (the device was let go already) changes nothing.
    for (const QString &path : qAsConst(paths))
        m_removed.remove(path);
    m_replugged.clear();
    return paths;
}

QString ReplugWatch::hidPathOf(const QString &devicePath)
{
    const QString node = devicePath.section(QLatin1Char('/'), -1);
    if (!node.startsWith(QLatin1String("hidraw")) || node.size() == 6)
        return QString();
    return QStringLiteral("/dev/") + node;
}

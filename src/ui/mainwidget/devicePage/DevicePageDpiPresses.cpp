// SPDX-License-Identifier: GPL-3.0-or-later
#include "DevicePageDpiPresses.h"

#include "DDeviceKeyboardLink.h"

#include <limits>

DevicePageDpiPresses::DevicePageDpiPresses(Serve serve, QObject *parent)
    : QObject(parent)
    , m_serve(std::move(serve))
{
    m_quiet.setSingleShot(true);
    m_quiet.setInterval(kQuietMs);
    m_longest.setSingleShot(true);
    m_longest.setInterval(kLongestMs);
    connect(&m_quiet, &QTimer::timeout, this, &DevicePageDpiPresses::serveNow);
    connect(&m_longest, &QTimer::timeout, this, &DevicePageDpiPresses::serveNow);
}

void DevicePageDpiPresses::press(DDeviceKeyboardLink *link)
{
    if (!link)
        return;
    Burst &burst = m_bursts[link];
    burst.link = link;
    if (burst.presses < std::numeric_limits<int>::max())
        ++burst.presses;
    m_quiet.start();
    if (!m_longest.isActive())
        m_longest.start();
}

void DevicePageDpiPresses::serveNow()
{
    m_quiet.stop();
    m_longest.stop();
    const QHash<const DDeviceKeyboardLink *, Burst> bursts = m_bursts;
    m_bursts.clear();
    for (const Burst &burst : bursts) {
        if (burst.link)
            m_serve(burst.link, burst.presses);
    }
}

int DevicePageDpiPresses::pending() const
{
    int count = 0;
    for (const Burst &burst : m_bursts)
        count += burst.presses;
    return count;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "Timer.h"

#include "MillisecondTicker.h"

#include <QMetaMethod>

Timer::Timer(QObject *parent)
    : QObject(parent)
{
}

Timer::~Timer()
{
    stop();
}

void Timer::start(int timeInterval)
{
    stop();
    // Asked here, in the timer's own thread; later connections are seen by connectNotify.
    const bool connected = isSignalConnected(QMetaMethod::fromSignal(&Timer::sigTimeout));
    std::lock_guard<std::mutex> lock(m_mutex);
    m_interval = timeInterval;
    m_isCreateFlag = true;
    m_hasReceiver = m_hasReceiver || connected;
    arm();
}

void Timer::arm()
{
    if (m_timerId != 0 || !m_isCreateFlag || !m_hasReceiver)
        return;
    m_timerId = MillisecondTicker::instance().add(m_interval, [this] { onTimerTick(); });
}

void Timer::stop()
{
    unsigned int id = 0;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        id = m_timerId;
        m_timerId = 0;
        m_isCreateFlag = false;
    }
    // Outside the lock: a tick that is running may itself stop or start this timer.
    if (id != 0)
        MillisecondTicker::instance().remove(id);
}

bool Timer::GetIsCreateFlag()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_isCreateFlag;
}

bool Timer::isTicking() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_timerId != 0;
}

void Timer::connectNotify(const QMetaMethod &signal)
{
    if (signal != QMetaMethod::fromSignal(&Timer::sigTimeout))
        return;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_hasReceiver = true;
    arm();
}

void Timer::onTimerTick()
{
    emit sigTimeout();
}

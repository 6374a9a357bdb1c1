// SPDX-License-Identifier: GPL-3.0-or-later
#include "Timer.h"

#include "MillisecondTicker.h"

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
    m_timerId = MillisecondTicker::instance().add(timeInterval, [this] { onTimerTick(); });
    m_isCreateFlag = true;
}

void Timer::stop()
{
    if (m_timerId == 0)
        return;
    MillisecondTicker::instance().remove(m_timerId);
    m_timerId = 0;
    m_isCreateFlag = false;
}

bool Timer::GetIsCreateFlag()
{
    return m_isCreateFlag;
}

void Timer::onTimerTick()
{
    emit sigTimeout();
}

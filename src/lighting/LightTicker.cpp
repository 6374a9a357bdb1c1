// SPDX-License-Identifier: GPL-3.0-or-later
#include "LightTicker.h"

#include "MillisecondTicker.h"

LightTicker::LightTicker(int intervalMs, QObject *parent)
    : QObject(parent)
    , m_intervalMs(intervalMs)
{
    connect(this, &LightTicker::sigTickArrived, this, &LightTicker::deliverTick, Qt::QueuedConnection);
}

LightTicker::~LightTicker()
{
    setRunning(false);
}

void LightTicker::setRunning(bool running)
{
    if (running == m_running)
        return;
    m_running = running;
    if (!running) {
        // Once remove returns the callback is not running and never runs again; a tick it
        // queued before carries the old generation and is dropped on arrival.
        MillisecondTicker::instance().remove(m_registration);
        m_registration = 0;
        ++m_generation;
        return;
    }
    const unsigned int generation = m_generation;
    // Aligned: every lighting ticker of one interval (the keyboard's and the mouse's alike)
    // comes due in the same wake-up of the ticker thread.
    m_registration = MillisecondTicker::instance().add(
        m_intervalMs,
        [this, generation] {
            if (!m_tickWaiting.exchange(true))
                emit sigTickArrived(generation);
        },
        MillisecondTicker::Phase::Aligned);
}

void LightTicker::setTickInterval(int intervalMs)
{
    if (intervalMs == m_intervalMs)
        return;
    m_intervalMs = intervalMs;
    if (m_registration != 0)
        MillisecondTicker::instance().setInterval(m_registration, intervalMs);
}

void LightTicker::deliverTick(unsigned int generation)
{
    m_tickWaiting = false;
    if (!m_running || generation != m_generation)
        return;
    emitTick();
}

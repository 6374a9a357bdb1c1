// SPDX-License-Identifier: GPL-3.0-or-later
#include "LightTicker.h"

#include "MillisecondTicker.h"

#include <QCoreApplication>
#include <QPointer>

#include <mutex>
#include <utility>
#include <vector>

namespace {

// The ticks that the tick thread has handed over to the application's thread and that wait
// there. Tickers that come due in one wake-up of the tick thread are handed over as one
// queued call, so the application's thread is woken once for all of them, not once each.
struct PendingTick {
    QPointer<LightTicker> ticker;  // a ticker destroyed meanwhile is skipped
    unsigned int generation;
};

std::mutex g_pendingMutex;
std::vector<PendingTick> g_pending;  // under g_pendingMutex

}  // namespace

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
    // A ticker of the application's thread (every lighting ticker) joins the shared hand-over;
    // one of another thread gets its ticks through its own queued signal.
    const QCoreApplication *application = QCoreApplication::instance();
    const bool shared = application && application->thread() == thread();
    // Aligned: every lighting ticker of one interval (the keyboard's and the mouse's alike)
    // comes due in the same wake-up of the ticker thread.
    m_registration = MillisecondTicker::instance().add(
        m_intervalMs,
        [this, generation, shared] {
            if (m_tickWaiting.exchange(true))
                return;
            if (shared)
                handOver(this, generation);
            else
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

void LightTicker::handOver(LightTicker *ticker, unsigned int generation)
{
    bool first = false;
    {
        std::lock_guard<std::mutex> lock(g_pendingMutex);
        first = g_pending.empty();
        // The ticker is alive here: removing its registration waits for this callback.
        g_pending.push_back(PendingTick{QPointer<LightTicker>(ticker), generation});
    }
    // The first tick of a batch queues the call that delivers the whole batch.
    if (first)
        QMetaObject::invokeMethod(QCoreApplication::instance(), &LightTicker::deliverPending, Qt::QueuedConnection);
}

void LightTicker::deliverPending()
{
    std::vector<PendingTick> batch;
    {
        std::lock_guard<std::mutex> lock(g_pendingMutex);
        batch.swap(g_pending);
    }
    // In the order the tick thread ran them; a tick's slot may stop or destroy a later ticker.
    for (const PendingTick &tick : batch) {
        if (LightTicker *ticker = tick.ticker.data())
            ticker->deliverTick(tick.generation);
    }
    // The batch's storage serves the next batch: a running engine allocates nothing here.
    batch.clear();
    std::lock_guard<std::mutex> lock(g_pendingMutex);
    if (g_pending.empty() && g_pending.capacity() < batch.capacity())
        g_pending.swap(batch);
}

void LightTicker::deliverTick(unsigned int generation)
{
    m_tickWaiting = false;
    if (!m_running || generation != m_generation)
        return;
    emitTick();
}

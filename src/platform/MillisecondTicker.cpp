// SPDX-License-Identifier: GPL-3.0-or-later
#include "MillisecondTicker.h"

#include <pthread.h>

#include <algorithm>
#include <vector>

MillisecondTicker &MillisecondTicker::instance()
{
    static MillisecondTicker ticker;
    return ticker;
}

MillisecondTicker::~MillisecondTicker()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_quit = true;
    }
    m_wake.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

MillisecondTicker::Clock::time_point
MillisecondTicker::gridPointAtOrAfter(Clock::time_point epoch, Clock::duration interval, Clock::time_point time)
{
    if (time <= epoch)
        return epoch;
    const auto steps = (time - epoch + interval - Clock::duration(1)) / interval;
    return epoch + steps * interval;
}

unsigned int MillisecondTicker::add(int intervalMs, Callback callback, Phase phase)
{
    if (intervalMs < 1 || !callback)
        return 0;
    std::lock_guard<std::mutex> lock(m_mutex);
    unsigned int id = m_nextId++;
    if (m_nextId == 0)
        m_nextId = 1;
    Entry entry;
    entry.interval = std::chrono::milliseconds(intervalMs);
    entry.aligned = phase == Phase::Aligned;
    entry.due = Clock::now() + entry.interval;
    if (entry.aligned)
        entry.due = gridPointAtOrAfter(m_epoch, entry.interval, entry.due);
    entry.callback = std::move(callback);
    m_entries.emplace(id, std::move(entry));
    if (!m_thread.joinable()) {
        m_thread = std::thread([this] { run(); });
        m_threadId = m_thread.get_id();
    }
    m_wake.notify_all();
    return id;
}

void MillisecondTicker::remove(unsigned int id)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    auto it = m_entries.find(id);
    if (it == m_entries.end())
        return;
    if (std::this_thread::get_id() == m_threadId && m_runningId == id) {
        it->second.removed = true;  // erased by run() once the callback returns
        return;
    }
    m_finished.wait(lock, [&] { return m_runningId != id; });
    m_entries.erase(id);
}

bool MillisecondTicker::setInterval(unsigned int id, int intervalMs)
{
    if (intervalMs < 1)
        return false;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        auto it = m_entries.find(id);
        if (it == m_entries.end() || it->second.removed)
            return false;
        Entry &entry = it->second;
        entry.interval = std::chrono::milliseconds(intervalMs);
        const Clock::time_point now = Clock::now();
        if (entry.aligned)
            entry.due = gridPointAtOrAfter(m_epoch, entry.interval, now + Clock::duration(1));
        else
            entry.due = std::min(entry.due, now + entry.interval);
    }
    m_wake.notify_all();  // the thread may be sleeping towards a later deadline
    return true;
}

void MillisecondTicker::run()
{
    pthread_setname_np(pthread_self(), "zelka-tick");
    std::unique_lock<std::mutex> lock(m_mutex);
    std::vector<unsigned int> due;
    while (!m_quit) {
        if (m_entries.empty()) {
            m_wake.wait(lock, [&] { return m_quit || !m_entries.empty(); });
            continue;
        }
        Clock::time_point next = Clock::time_point::max();
        for (const auto &[id, entry] : m_entries) {
            if (!entry.removed)
                next = std::min(next, entry.due);
        }
        // Woken early by add() (an earlier deadline may have come) or by quitting: look again.
        if (next == Clock::time_point::max()) {
            m_wake.wait(lock);
            continue;
        }
        if (Clock::now() < next && m_wake.wait_until(lock, next) == std::cv_status::no_timeout)
            continue;

        const Clock::time_point now = Clock::now();
        due.clear();
        for (auto &[id, entry] : m_entries) {
            if (entry.removed || entry.due > now)
                continue;
            entry.due += entry.interval;
            // After a long stall, skip the missed ticks rather than firing them in a burst.
            if (entry.due <= now) {
                entry.due = entry.aligned ? gridPointAtOrAfter(m_epoch, entry.interval, now + Clock::duration(1))
                                          : now + entry.interval;
            }
            due.push_back(id);
        }
        if (!due.empty())
            m_wakeUps.fetch_add(1, std::memory_order_relaxed);
        for (unsigned int id : due) {
            auto it = m_entries.find(id);
            if (it == m_entries.end() || it->second.removed)
                continue;
            m_runningId = id;
            Callback *callback = &it->second.callback;  // stays valid: remove() waits for us
            lock.unlock();
            (*callback)();
            lock.lock();
            m_runningId = 0;
            it = m_entries.find(id);
            if (it != m_entries.end() && it->second.removed)
                m_entries.erase(it);
            m_finished.notify_all();
        }
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One thread for the whole process that runs registered periodic callbacks at absolute
// millisecond deadlines. It sleeps until the earliest deadline among the registered
// callbacks and, while nothing is registered, until something is: it never wakes without work.
// Aligned registrations keep their deadlines on one grid per interval, counted from one epoch
// of the process: registrations of the same interval, or of multiples of one interval, come due
// at the same instant and are run together in one wake-up, each at its own cadence.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <thread>

class MillisecondTicker
{
public:
    using Callback = std::function<void()>;
    using Clock = std::chrono::steady_clock;

    // When a registration's first run comes. FromNow: exactly one interval after add().
    // Aligned: at the first multiple of the interval, counted from the ticker's epoch, that is
    // at least one interval after add() (so less than two intervals after it).
    enum class Phase { FromNow, Aligned };

    static MillisecondTicker &instance();

    // Registers a callback run every intervalMs milliseconds on the ticker thread.
    // Returns its id, or 0 (nothing registered) when the interval is below 1 ms.
    unsigned int add(int intervalMs, Callback callback, Phase phase = Phase::FromNow);

    // Unregisters a callback. Once this returns the callback is not running and never runs
    // again; called from inside the callback itself it only marks it for removal.
    void remove(unsigned int id);

    // Changes the interval of a registered callback in place: its next run comes at most
    // intervalMs milliseconds from now (an aligned one's at the new interval's next grid point).
    // Returns false for an unknown id or an interval below 1 ms.
    bool setInterval(unsigned int id, int intervalMs);

    // Wake-ups of the ticker thread that ran at least one callback, since the process started.
    unsigned long long wakeUpCount() const { return m_wakeUps.load(std::memory_order_relaxed); }

    // The grid of aligned registrations: the first point epoch + k * interval (k a whole number)
    // at or after the given time.
    static Clock::time_point gridPointAtOrAfter(Clock::time_point epoch, Clock::duration interval,
                                                Clock::time_point time);

    ~MillisecondTicker();
    MillisecondTicker(const MillisecondTicker &) = delete;
    MillisecondTicker &operator=(const MillisecondTicker &) = delete;

private:
    MillisecondTicker() = default;
    void run();

    struct Entry {
        Clock::duration interval;
        Clock::time_point due;
        bool aligned = false;
        bool removed = false;
        Callback callback;
    };

    std::mutex m_mutex;
    std::condition_variable m_wake;      // an entry was added, or the thread must quit
    std::condition_variable m_finished;  // the callback that was running has returned
    std::map<unsigned int, Entry> m_entries;
    unsigned int m_nextId = 1;
    unsigned int m_runningId = 0;
    bool m_quit = false;
    const Clock::time_point m_epoch = Clock::now();
    std::atomic<unsigned long long> m_wakeUps{0};
    std::thread m_thread;
    std::thread::id m_threadId;
};

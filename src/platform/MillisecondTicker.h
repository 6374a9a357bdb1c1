#pragma once
// One thread for the whole process that wakes at absolute 1 ms deadlines and runs the
// registered periodic callbacks whose interval has elapsed. It sleeps on a condition
// variable while nothing is registered, so an idle process pays nothing for it.

#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <thread>

class MillisecondTicker
{
public:
    using Callback = std::function<void()>;

    static MillisecondTicker &instance();

    // Registers a callback run every intervalMs milliseconds on the ticker thread.
    // Returns its id, or 0 (nothing registered) when the interval is below 1 ms.
    unsigned int add(int intervalMs, Callback callback);

    // Unregisters a callback. Once this returns the callback is not running and never runs
    // again; called from inside the callback itself it only marks it for removal.
    void remove(unsigned int id);

    // Changes the interval of a registered callback in place: its next run comes at most
    // intervalMs milliseconds from now. Returns false for an unknown id or an interval below 1 ms.
    bool setInterval(unsigned int id, int intervalMs);

    ~MillisecondTicker();
    MillisecondTicker(const MillisecondTicker &) = delete;
    MillisecondTicker &operator=(const MillisecondTicker &) = delete;

private:
    MillisecondTicker() = default;
    void run();

    struct Entry {
        int interval = 1;
        int countdown = 1;
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
    std::thread m_thread;
    std::thread::id m_threadId;
};

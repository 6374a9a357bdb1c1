#include "MillisecondTicker.h"

#include <cerrno>
#include <ctime>
#include <pthread.h>
#include <vector>

namespace {

constexpr long kTickNs = 1000000L;

timespec now()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts;
}

void addNanoseconds(timespec &ts, long ns)
{
    ts.tv_nsec += ns;
    while (ts.tv_nsec >= 1000000000L) {
        ts.tv_nsec -= 1000000000L;
        ++ts.tv_sec;
    }
}

long long differenceNs(const timespec &later, const timespec &earlier)
{
    return (later.tv_sec - earlier.tv_sec) * 1000000000LL + (later.tv_nsec - earlier.tv_nsec);
}

}  // namespace

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

unsigned int MillisecondTicker::add(int intervalMs, Callback callback)
{
    if (intervalMs < 1 || !callback)
        return 0;
    std::lock_guard<std::mutex> lock(m_mutex);
    unsigned int id = m_nextId++;
    if (m_nextId == 0)
        m_nextId = 1;
    Entry entry;
    entry.interval = intervalMs;
    entry.countdown = intervalMs;
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
    std::lock_guard<std::mutex> lock(m_mutex);
    auto it = m_entries.find(id);
    if (it == m_entries.end() || it->second.removed)
        return false;
    it->second.interval = intervalMs;
    if (it->second.countdown > intervalMs)
        it->second.countdown = intervalMs;
    return true;
}

void MillisecondTicker::run()
{
    pthread_setname_np(pthread_self(), "zelka-tick");
    std::unique_lock<std::mutex> lock(m_mutex);
    timespec deadline = now();
    std::vector<unsigned int> due;
    while (!m_quit) {
        if (m_entries.empty()) {
            m_wake.wait(lock, [&] { return m_quit || !m_entries.empty(); });
            deadline = now();
            continue;
        }
        lock.unlock();
        addNanoseconds(deadline, kTickNs);
        while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &deadline, nullptr) == EINTR) {
        }
        // After a long stall, skip the missed ticks rather than firing them in a burst.
        timespec current = now();
        if (differenceNs(current, deadline) > kTickNs)
            deadline = current;
        lock.lock();

        due.clear();
        for (auto &[id, entry] : m_entries) {
            if (entry.removed)
                continue;
            if (--entry.countdown <= 0) {
                entry.countdown = entry.interval;
                due.push_back(id);
            }
        }
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

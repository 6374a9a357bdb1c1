// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Orders the last steps of a worker thread before what its owner does once QThread::wait() has
// returned, typically destroying what the worker used.
//
// wait() orders the two threads through Qt's own futex-based lock. Race detectors do not see that
// lock, and when the worker has already finished by the time wait() is called nothing else orders
// them: what the worker last touched seems to race with its destruction. The worker calls
// finished() as its very last step; the owner calls waited() right after wait(). Both take one
// standard mutex, which the detectors see and which orders the two in the memory model as well.
//
// Owners call aboutToWait() right before wait(). It does nothing unless a test has called
// setWorkerEndsFirst(true): then it holds until the worker has ended, so wait() is always entered
// in the order that nothing but this class orders, and a missing step is reported on every run.

#include <QThread>

#include <atomic>
#include <mutex>

class ThreadEnd
{
public:
    // The worker's last step: everything it did before is published.
    void finished() { std::lock_guard<std::mutex> lock(m_mutex); }
    // The owner's step after wait() has returned for the worker.
    void waited() { std::lock_guard<std::mutex> lock(m_mutex); }

    // The owner's step right before thread->wait().
    static void aboutToWait(const QThread *thread)
    {
        if (!s_workerEndsFirst.load(std::memory_order_relaxed))
            return;
        // isRunning() takes Qt's own lock only, which orders nothing for the detectors. A thread
        // never started is not running either: wait() returns at once for it.
        while (thread->isRunning())
            QThread::msleep(1);
    }
    // For tests: every owner lets its worker end before it enters wait().
    static void setWorkerEndsFirst(bool on) { s_workerEndsFirst.store(on, std::memory_order_relaxed); }

private:
    std::mutex m_mutex;
    static inline std::atomic<bool> s_workerEndsFirst{false};
};

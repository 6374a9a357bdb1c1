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
// setWorkerEndsFirst(true): then it holds until the worker's thread has exited, so wait() is
// always entered in the order that nothing but this class orders, and a missing step is reported
// on every run. The thread must have exited, not only left run(): while QThread still ends it,
// wait() blocks on a condition variable whose wake-up the detectors do see as an ordering.
// Workers that order their end some other way call workerEnding() themselves.

#include <QThread>

#include <array>
#include <atomic>
#include <mutex>

class ThreadEnd
{
public:
    // The worker's last step: everything it did before is published.
    void finished()
    {
        workerEnding();
        std::lock_guard<std::mutex> lock(m_mutex);
    }
    // The owner's step after wait() has returned for the worker.
    void waited() { std::lock_guard<std::mutex> lock(m_mutex); }

    // The owner's step right before thread->wait().
    static void aboutToWait(const QThread *thread)
    {
        if (!s_workerEndsFirst.load(std::memory_order_relaxed))
            return;
        // isRunning() and isFinished() take Qt's own lock only, which orders nothing for the
        // detectors. A thread never started is neither running nor finished: wait() returns at
        // once for it.
        while (thread->isRunning())
            QThread::msleep(1);
        if (!thread->isFinished())
            return;
        // Bounded, so a worker that never says it ends costs a test time, never a hang.
        for (int i = 0; i < kExitWaitMs && !takeExit(thread); ++i)
            QThread::msleep(1);
    }
    // For tests: every owner lets its worker end before it enters wait().
    static void setWorkerEndsFirst(bool on) { s_workerEndsFirst.store(on, std::memory_order_relaxed); }

    // Called in the worker thread near its end; does nothing unless a test holds owners. Marks
    // the moment the thread exits, after QThread's own ending, for aboutToWait().
    static void workerEnding()
    {
        if (!s_workerEndsFirst.load(std::memory_order_relaxed))
            return;
        const QThread *self = QThread::currentThread();
        takeExit(self);  // an earlier run of the same thread object, or a reused address
        thread_local ExitNote note;
        note.thread = self;
    }

private:
    static constexpr int kExitWaitMs = 10000;

    // Runs when the worker's thread exits (thread_local objects go after the thread's function
    // has returned). Relaxed atomics only, in storage that is never freed: the note orders
    // nothing and races with nothing.
    struct ExitNote {
        const QThread *thread = nullptr;
        ~ExitNote()
        {
            for (std::atomic<const QThread *> &slot : s_exited) {
                const QThread *empty = nullptr;
                if (slot.compare_exchange_strong(empty, thread, std::memory_order_relaxed))
                    return;
            }
        }
    };
    static bool takeExit(const QThread *thread)
    {
        for (std::atomic<const QThread *> &slot : s_exited) {
            const QThread *expected = thread;
            if (slot.compare_exchange_strong(expected, nullptr, std::memory_order_relaxed))
                return true;
        }
        return false;
    }

    std::mutex m_mutex;
    static inline std::atomic<bool> s_workerEndsFirst{false};
    static inline std::array<std::atomic<const QThread *>, 64> s_exited{};
};

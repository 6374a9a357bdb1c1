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

#include <mutex>

class ThreadEnd
{
public:
    // The worker's last step: everything it did before is published.
    void finished() { std::lock_guard<std::mutex> lock(m_mutex); }
    // The owner's step after wait() has returned for the worker.
    void waited() { std::lock_guard<std::mutex> lock(m_mutex); }

private:
    std::mutex m_mutex;
};

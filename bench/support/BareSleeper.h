// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The yardstick of the idle and preview benchmarks: a bare thread that sleeps to 1 ms deadlines
// while the program is measured, and the CPU time it took meanwhile.

#include <QtGlobal>

#include <atomic>
#include <ctime>
#include <thread>

inline qint64 threadCpuNow()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return qint64(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

// A thread that sleeps to 1 ms deadlines until stopped; its CPU time in nanoseconds.
struct BareSleeper {
    std::atomic<bool> stop{false};
    std::atomic<qint64> cpuNs{0};
    std::thread thread;

    void start()
    {
        thread = std::thread([this] {
            const qint64 cpuStart = threadCpuNow();
            timespec next{};
            clock_gettime(CLOCK_MONOTONIC, &next);
            while (!stop) {
                next.tv_nsec += 1000000;
                if (next.tv_nsec >= 1000000000) {
                    next.tv_nsec -= 1000000000;
                    ++next.tv_sec;
                }
                clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &next, nullptr);
            }
            cpuNs = threadCpuNow() - cpuStart;
        });
    }
    qint64 finish()
    {
        stop = true;
        thread.join();
        return cpuNs;
    }
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Makes every write that would grow a file past `limit` bytes (by default: at all) fail, for as
// long as it lives: RLIMIT_FSIZE with SIGXFSZ ignored, so the write returns EFBIG instead of ending
// the process. The tests run as
// root, where permissions do not bind; this is how they make a save fail. The limit holds for
// the whole process, so keep it around the one call that must fail.

#include <csignal>
#include <sys/resource.h>

class NoFileGrowth
{
public:
    explicit NoFileGrowth(rlim_t limit = 0)
    {
        m_ok = ::getrlimit(RLIMIT_FSIZE, &m_previous) == 0;
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = m_previous;
        limited.rlim_cur = limit;
        m_ok = m_ok && ::setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~NoFileGrowth()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }
    NoFileGrowth(const NoFileGrowth &) = delete;
    NoFileGrowth &operator=(const NoFileGrowth &) = delete;

    // Whether the limit is in force.
    bool isActive() const { return m_ok; }

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int) = SIG_DFL;
    bool m_ok = false;
};

// Runs f with every file write limited to `bytes`, and returns what f returns.
template <class F>
auto withFileSizeLimit(rlim_t bytes, F f)
{
    NoFileGrowth limit(bytes);
    return f();
}

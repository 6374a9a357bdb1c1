// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Makes every write that would grow a file fail, for as long as it lives: RLIMIT_FSIZE at 0 with
// SIGXFSZ ignored, so the write returns EFBIG instead of ending the process. The tests run as
// root, where permissions do not bind; this is how they make a save fail. The limit holds for
// the whole process, so keep it around the one call that must fail.

#include <csignal>
#include <sys/resource.h>

class NoFileGrowth
{
public:
    NoFileGrowth()
    {
        m_ok = ::getrlimit(RLIMIT_FSIZE, &m_previous) == 0;
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit none = m_previous;
        none.rlim_cur = 0;
        m_ok = m_ok && ::setrlimit(RLIMIT_FSIZE, &none) == 0;
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

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small pseudo-random generator with fixed constants, owned by the lighting engine. Unlike the
// C library's rand() its sequence is the same on every system, and nothing else in the program
// can reseed it, so a seed names every sequence of draws exactly.

#include <cstdint>

class LightRandom
{
public:
    static constexpr int kMax = 0x7FFF;

    explicit LightRandom(uint32_t seed = 1)
        : m_state(seed)
    {
    }
    void seed(uint32_t value) { m_state = value; }
    // The next draw, 0 .. kMax.
    int next()
    {
        m_state = m_state * 1103515245u + 12345u;
        return int((m_state >> 16) & kMax);
    }

private:
    uint32_t m_state;
};

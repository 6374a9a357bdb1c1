// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The colour cycle of a mouse zone's Breath mode: the colours it fades through, the one shown,
// and the pause at the dark end. The pause counter and flag also pace the zone's Neon mode.
struct BreathCycle {
    static constexpr int kMaxColors = 7;
    static constexpr uint8_t kHolding = 0x01;

    uint8_t colors[kMaxColors][3] = {};
    uint8_t index = 0;
    uint8_t count = 0;
    uint8_t holdTicks = 0;
    uint8_t flags = 0;  // bit 0: the pause is running

    bool holding() const { return flags & kHolding; }
    void setHolding(bool on) { flags = on ? uint8_t(flags | kHolding) : uint8_t(flags & ~kHolding); }
};

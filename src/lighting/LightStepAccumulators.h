// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The step counters that pace the ripple effects and the side strip's Collision. They belong to
// the whole program: they start at 0 with it and no effect's set-up resets them, so the first
// step after a set-up may come sooner than a full period. Effect state points at the program's
// one set; a test may point it at a set of its own to step an effect exactly.

#include <cstdint>

struct LightStepAccumulators {
    uint16_t auroraStepAccumulator = 0;
    uint16_t rippleBarAccumulator = 0;
    uint16_t rippleDiamondAccumulator = 0;
    uint16_t autoRippleAccumulator = 0;
    uint16_t sideCollisionTicks = 0;

    static LightStepAccumulators &programWide();
};

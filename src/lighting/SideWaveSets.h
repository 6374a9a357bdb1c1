// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The side strip's Wave sets: which models take which palette (full colour) and start-level
// ramp (single colour), and up to which strip position their LEDs fall first. A model goes
// into the set whose strip length and count of lit LEDs match its key layout; the sets no
// model of ours matches keep their tables and stay empty.

#include "LightPresetTables.h"

#include <QString>

#include <cstdint>

struct SideWaveSet {
    const char *name;
    const char *const *modelCodes;
    int modelCount;
    const LightTables::Rgb *palette;
    int paletteSize;
    const uint8_t *ramp;
    int rampSize;
    int firstFallingCount;  // LEDs at strip positions below this start falling
};

namespace SideWaveSets {

constexpr int kSetCount = 12;
// The twelve sets, sideWaveSet6 first and sideWaveSet49 last.
const SideWaveSet *sets();
const SideWaveSet *find(const char *name);
// The set whose model codes hold the code (exact, case-sensitive); nullptr for none.
const SideWaveSet *forModel(const QString &modelCode);

}  // namespace SideWaveSets

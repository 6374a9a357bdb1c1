// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The effects of the mouse lighting engine, by mode. Every mode is a set of plain functions
// over the effect state: the set-up fills the zone's cells once, the renderer advances them by
// one tick and rewrites the zone's colours, and the reactive Around mode takes button presses.
// The Scroll and Logo zones share one table of single-cell modes, told apart by their cell.
// A missing function does nothing; a mode with no entry neither sets up nor renders.

#include "LightPresetTables.h"
#include "MouseEffectState.h"

#include <cstdint>

struct MouseAroundEffect {
    int id;
    void (*initialise)(MouseEffectState &state);
    void (*render)(MouseEffectState &state);
    void (*press)(MouseEffectState &state);
};

struct MouseZoneEffect {
    int id;
    // cell is MouseEffectState::kScrollCell or kLogoCell.
    void (*initialise)(MouseEffectState &state, int cell);
    void (*render)(MouseEffectState &state, int cell);
};

struct MouseEffectTable {
    const MouseAroundEffect *aroundEffects = nullptr;
    int aroundEffectCount = 0;
    const MouseZoneEffect *zoneEffects = nullptr;
    int zoneEffectCount = 0;

    const MouseAroundEffect *aroundEffect(int id) const;
    const MouseZoneEffect *zoneEffect(int id) const;
};

// The modes the program offers: Around 0 .. 8 without 5 (Reactive has no effect of its own),
// Scroll and Logo 0 .. 3.
const MouseEffectTable &mouseEffectTable();

namespace LightTables {

// The single-colour Wave's starting weight of the k-th lit LED.
inline constexpr int mouseWaveLevels[MouseEffectState::kWaveLeds] = {245, 210, 175, 140, 105, 70, 35, 10};
// The order in which the Around Twinkle starts its LEDs (0 .. 7), one entry per new twinkle.
inline constexpr const uint8_t (&mouseTwinkleSequence)[132] = twinkleStartColors;

}  // namespace LightTables

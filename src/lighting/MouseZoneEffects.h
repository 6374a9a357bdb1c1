// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Scroll and Logo zones' modes (0 Static, 1 Neon, 2 Breath, 3 DPI) on their single cell,
// and the Breath and Neon cycles that the Around zone runs over its eighteen cells.

#include "MouseEffectState.h"

namespace MouseEffects {

// Breath and Neon over count cells of one zone, rendering into colors.
void initBreathCells(MouseZone &zone, LightCell *cells, int count);
void renderBreathCells(MouseZone &zone, LightCell *cells, QColor *colors, int count);
void initNeonCells(MouseZone &zone, LightCell *cells, int count);
// The single-colour pause at the dark end counts cell visits: over eighteen cells it carries
// from one cell to the next, over one cell it counts ticks.
void renderNeonCells(MouseZone &zone, LightCell *cells, QColor *colors, int count);

void initZoneStaticEffect(MouseEffectState &state, int cell);
void renderZoneStaticFrame(MouseEffectState &state, int cell);
void initZoneNeonEffect(MouseEffectState &state, int cell);
void renderZoneNeonFrame(MouseEffectState &state, int cell);
void initZoneBreathEffect(MouseEffectState &state, int cell);
void renderZoneBreathFrame(MouseEffectState &state, int cell);
void initZoneDpiEffect(MouseEffectState &state, int cell);
void renderZoneDpiFrame(MouseEffectState &state, int cell);

}  // namespace MouseEffects

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The side light strip's effects: Static, Breath, Wave, Collision and Neon. A renderer visits
// the strip's LEDs in order and writes each one's colour, dimmed by the brightness.

#include "SideEffectState.h"

#include <cstdint>

void initSideStaticEffect(SideEffectState &state);
void renderSideStaticFrame(SideEffectState &state, uint32_t frame);
void initSideBreathEffect(SideEffectState &state);
void renderSideBreathFrame(SideEffectState &state, uint32_t frame);
void initSideWaveEffect(SideEffectState &state);
void renderSideWaveFrame(SideEffectState &state, uint32_t frame);
void initSideCollisionEffect(SideEffectState &state);
void renderSideCollisionFrame(SideEffectState &state, uint32_t frame);
// Lights LEDs pos and last - pos; false, changing nothing, when pos is past last.
bool lightSideCollisionPair(SideEffectState &state, uint8_t last, uint8_t pos);
void initSideNeonEffect(SideEffectState &state);
void renderSideNeonFrame(SideEffectState &state, uint32_t frame);

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The key effects that fill the whole matrix alike: Static, Custom, Breath and Neon.

#include "KeyEffectState.h"

#include <cstdint>

void initStaticEffect(KeyEffectState &state);
void renderStaticFrame(KeyEffectState &state, uint32_t frame);
// The cells of Custom are filled from the key buttons' colours by the engine.
void initCustomEffect(KeyEffectState &state);
void renderCustomFrame(KeyEffectState &state, uint32_t frame);
void initBreathEffect(KeyEffectState &state);
void renderBreathFrame(KeyEffectState &state, uint32_t frame);
void initNeonEffect(KeyEffectState &state);
void renderNeonFrame(KeyEffectState &state, uint32_t frame);

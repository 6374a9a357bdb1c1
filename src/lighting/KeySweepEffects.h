// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The key effects whose pattern travels over the matrix: Wave, Radar, Twinkle and Snack.

#include "KeyEffectState.h"

#include <cstdint>

void initWaveEffect(KeyEffectState &state);
void renderWaveFrame(KeyEffectState &state, uint32_t frame);
void initRadarEffect(KeyEffectState &state);
void renderRadarFrame(KeyEffectState &state, uint32_t frame);
void initTwinkleEffect(KeyEffectState &state);
void renderTwinkleFrame(KeyEffectState &state, uint32_t frame);
void initSnackEffect(KeyEffectState &state);
void renderSnackFrame(KeyEffectState &state, uint32_t frame);

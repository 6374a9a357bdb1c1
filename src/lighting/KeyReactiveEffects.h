// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The key effects that answer key presses one key, row or column at a time, and Striation,
// whose lights run along the rows by themselves: Reactive, Cross, Speed Respond, Striation.

#include "KeyEffectState.h"

#include <cstdint>

void initReactiveEffect(KeyEffectState &state);
void renderReactiveFrame(KeyEffectState &state, uint32_t frame);
void pressReactiveKey(KeyEffectState &state, int row, int column);

void initCrossEffect(KeyEffectState &state);
void renderCrossFrame(KeyEffectState &state, uint32_t frame);
void pressCrossKey(KeyEffectState &state, int row, int column);

void initSpeedRespondEffect(KeyEffectState &state);
void renderSpeedRespondFrame(KeyEffectState &state, uint32_t frame);
// A press lights one more row while the newest is still bright; the position is not used.
void addSpeedRespondRow(KeyEffectState &state, int row = 0, int column = 0);

void initStriationEffect(KeyEffectState &state);
void renderStriationFrame(KeyEffectState &state, uint32_t frame);
void advanceStriation(KeyEffectState &state);

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The key effects that grow shapes out of single keys through the ripple queue: Aurora, Ripple
// (bars, or diamonds on the M252 chip family), Fireworks and Auto Ripple.

#include "KeyEffectState.h"

#include <cstdint>

void initAuroraEffect(KeyEffectState &state);
void renderAuroraFrame(KeyEffectState &state, uint32_t frame);
void advanceAuroraRipples(KeyEffectState &state);
bool drawAuroraRipple(KeyEffectState &state, int row, int column, int radius);

void initRippleEffect(KeyEffectState &state);
void renderRippleFrame(KeyEffectState &state, uint32_t frame);
void advanceRippleBars(KeyEffectState &state);
void advanceRippleDiamonds(KeyEffectState &state);
bool drawRippleBars(KeyEffectState &state, int row, int column, int radius);
bool drawRippleDiamond(KeyEffectState &state, int row, int column, int radius, int colorIndex);
void lightRippleBarKey(KeyEffectState &state, int row, int column, int radius);
// Layer 0 is the band's front; it and the next four hold the key at full level.
void lightRippleDiamondKey(KeyEffectState &state, int row, int column, int colorIndex, int layer);

void initFireworksEffect(KeyEffectState &state);
void renderFireworksFrame(KeyEffectState &state, uint32_t frame);
void advanceFireworks(KeyEffectState &state);
bool drawFireworkRing(KeyEffectState &state, int row, int column, int ring);
void lightFireworkKey(KeyEffectState &state, int row, int column, int ring);

void initAutoRippleEffect(KeyEffectState &state);
void renderAutoRippleFrame(KeyEffectState &state, uint32_t frame);
void advanceAutoRipple(KeyEffectState &state);
void startAutoRipple(KeyEffectState &state);
// Fills the two draw tables from the generator seeded with 3: the same tables every time.
void generateAutoRippleDraws(KeyEffectState &state);

// The press of Aurora and Ripple: a shape starts at the key, or at the far edge of its row when
// the direction is odd. A Fireworks burst always starts at the key. Both drop the press while
// the queue is full.
void queueRipplePress(KeyEffectState &state, int row, int column);
void queueBurstPress(KeyEffectState &state, int row, int column);

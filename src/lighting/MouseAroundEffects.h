// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Around zone's modes over its eighteen LEDs: 0 Static, 1 Breath, 2 Wave, 3 Neon, 4 Snack,
// 6 Twinkle, 7 DPI and 8 Speed Respond. Static, Wave and DPI cover the LEDs the lighting page
// has buttons for; Snack, Twinkle and Speed Respond run along LEDs 0 .. 7.

#include "MouseEffectState.h"

namespace MouseEffects {

void initAroundStaticEffect(MouseEffectState &state);
void renderAroundStaticFrame(MouseEffectState &state);
void initAroundBreathEffect(MouseEffectState &state);
void renderAroundBreathFrame(MouseEffectState &state);
void initAroundWaveEffect(MouseEffectState &state);
void renderAroundWaveFrame(MouseEffectState &state);
void initAroundNeonEffect(MouseEffectState &state);
void renderAroundNeonFrame(MouseEffectState &state);
void initAroundSnackEffect(MouseEffectState &state);
void renderAroundSnackFrame(MouseEffectState &state);
void initAroundTwinkleEffect(MouseEffectState &state);
void renderAroundTwinkleFrame(MouseEffectState &state);
void initAroundDpiEffect(MouseEffectState &state);
void renderAroundDpiFrame(MouseEffectState &state);
void initAroundSpeedRespondEffect(MouseEffectState &state);
void renderAroundSpeedRespondFrame(MouseEffectState &state);
// A mouse button went down or up: the bar grows by one LED while its far end is still bright,
// and every LED of it lights up again.
void speedRespondPress(MouseEffectState &state);

}  // namespace MouseEffects

// SPDX-License-Identifier: GPL-3.0-or-later
#include "LightEffectTable.h"

#include "KeyFillEffects.h"
#include "KeyReactiveEffects.h"
#include "KeyRhythmEffect.h"
#include "KeyRippleEffects.h"
#include "KeySweepEffects.h"
#include "SideStripEffects.h"

#include <iterator>

namespace {

// Key effects; the ids are those of the
// device's lighting-mode list (13 is "no effect" and has no entry).
const KeyEffectEntry kKeyEffects[] = {
    {0, initStaticEffect, renderStaticFrame, nullptr},                          // Static
    {1, initBreathEffect, renderBreathFrame, nullptr},                          // Breath
    {2, initWaveEffect, renderWaveFrame, nullptr},                              // Wave
    {3, initNeonEffect, renderNeonFrame, nullptr},                              // Neon
    {4, initRadarEffect, renderRadarFrame, nullptr},                            // Radar
    {5, initSnackEffect, renderSnackFrame, nullptr},                            // Snack
    {6, initReactiveEffect, renderReactiveFrame, pressReactiveKey},             // Reactive
    {7, initAuroraEffect, renderAuroraFrame, queueRipplePress},                 // Aurora
    {8, initRippleEffect, renderRippleFrame, queueRipplePress},                 // Ripple
    {9, initTwinkleEffect, renderTwinkleFrame, nullptr},                        // Twinkle
    {10, initCustomEffect, renderCustomFrame, nullptr},                         // Custom
    {11, initCrossEffect, renderCrossFrame, pressCrossKey},                     // Cross
    {12, initSpeedRespondEffect, renderSpeedRespondFrame, addSpeedRespondRow},  // Speed Respond
    {14, initAutoRippleEffect, renderAutoRippleFrame, nullptr},                 // Auto Ripple
    {15, initStriationEffect, renderStriationFrame, nullptr},                   // Striation
    {16, initFireworksEffect, renderFireworksFrame, queueBurstPress},           // Fireworks
    {100, initMusicalRhythmEffect, renderMusicalRhythmFrame, nullptr},          // Musical Rhythm
};

// Side strip effects.
const SideEffectEntry kSideEffects[] = {
    {0, initSideStaticEffect, renderSideStaticFrame},        // Static
    {1, initSideBreathEffect, renderSideBreathFrame},        // Breath
    {2, initSideWaveEffect, renderSideWaveFrame},            // Wave
    {3, initSideCollisionEffect, renderSideCollisionFrame},  // Collision
    {4, initSideNeonEffect, renderSideNeonFrame},            // Neon
};

}  // namespace

const KeyEffectEntry *LightEffectTable::keyEffect(int id) const
{
    for (int i = 0; i < keyEffectCount; ++i)
        if (keyEffects[i].id == id)
            return &keyEffects[i];
    return nullptr;
}

const SideEffectEntry *LightEffectTable::sideEffect(int id) const
{
    for (int i = 0; i < sideEffectCount; ++i)
        if (sideEffects[i].id == id)
            return &sideEffects[i];
    return nullptr;
}

const LightEffectTable &keyboardEffectTable()
{
    static const LightEffectTable table{kKeyEffects, int(std::size(kKeyEffects)), kSideEffects,
                                        int(std::size(kSideEffects))};
    return table;
}

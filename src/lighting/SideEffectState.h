// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything a side strip effect reads and writes: one cell per LED, the rendered colours
// and the working copy of the side record. As for the keys, the renderer dims last.

#include "LightCell.h"
#include "LightColorHelpers.h"
#include "LightParams.h"
#include "LightStepAccumulators.h"

#include <QColor>

#include <cstdint>

struct SideWaveSet;

struct SideEffectState {
    static constexpr int kLeds = 60;

    LightCell cells[kLeds] = {};
    QColor colors[kLeds];
    LightParams params;
    bool fullColor = false;
    int dimFactor = 100;

    // The strip as the keyboard view shows it: its LEDs (renderers visit 0 .. ledCount - 1),
    // which of them the model lights, and the model's Wave set (none for a model in no set).
    int ledCount = 0;
    bool valid[kLeds] = {};
    const SideWaveSet *waveSet = nullptr;

    // Breath and Neon of the strip: its own colour list and pause, apart from the keys'.
    uint8_t breathColors[7][3] = {};
    uint8_t breathColorIndex = 0;
    uint8_t breathColorCount = 0;
    uint8_t levelPauseCounter = 0;
    uint8_t levelPauseFlags = 0;

    // Collision: the pair position, the event counter and the pass direction, and the pacing
    // step and threshold of its mode. The pacing counter itself is program-wide.
    uint8_t sideCollisionPos = 0;
    uint8_t sideCollisionStage = 0;
    bool sideCollisionBackward = false;
    uint8_t sideCollisionLevelStep = 35;
    uint8_t sideCollisionThreshold = 255;
    LightStepAccumulators *accumulators = &LightStepAccumulators::programWide();

    QColor dimmed(const QColor &color) const { return LightColor::dim(color, dimFactor); }
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything a key effect reads and writes: one cell per key of the 6 by 22 matrix, the
// rendered colours, the working copy of the key record and the model's layout. An effect's
// initialiser fills every cell once; its renderer advances them by one frame and rewrites
// every colour, dimmed by the brightness as its last step.

#include "LightCell.h"
#include "LightColorHelpers.h"
#include "LightParams.h"
#include "LightRandom.h"
#include "LightStepAccumulators.h"
#include "RippleQueue.h"

#include <QColor>

#include <cstdint>

struct KeyEffectState {
    static constexpr int kRows = 6;
    static constexpr int kColumns = 22;
    static constexpr int kKeys = kRows * kColumns;

    LightCell cells[kRows][kColumns] = {};
    QColor colors[kKeys];  // index row * kColumns + column
    LightParams params;
    bool fullColor = false;  // the record's ledModeType is not 0
    int keyNum = 104;        // the model's layout code
    int litKeyCount = 131;   // positions that carry a key in that layout
    bool m252Chip = false;
    int dimFactor = 100;  // QColor::darker factor of the record's brightness
    RippleQueue ripples;

    // Breath and Neon of the key matrix: Breath's colour list and the pause at the bottom of a
    // level swing (bit 0 of levelPauseFlags set while it runs). The side strip keeps its own.
    uint8_t breathColors[7][3] = {};
    uint8_t breathColorIndex = 0;
    uint8_t breathColorCount = 0;
    uint8_t levelPauseCounter = 0;
    uint8_t levelPauseFlags = 0;
    // Twinkle: position in the start order and the frame counter between starts.
    int twinkleIndex = 0;
    int twinkleTick = 0;
    // Snack: the head's position counter along the path.
    int snackStep = 0;

    // Speed Respond: rows lit, 0 .. 6.
    int speedRespondRows = 0;
    // Striation, Aurora and Fireworks: the threshold of their step counters (255 in full
    // colour, 40 in single colour), and the step counter of Striation and Fireworks.
    uint16_t rippleStepThreshold = 255;
    uint16_t effectStepAccumulator = 0;
    // The counters of Aurora, Ripple and Auto Ripple, and the side strip's Collision.
    LightStepAccumulators *accumulators = &LightStepAccumulators::programWide();
    // The colour index of a ripple press comes from here; seeded once, with the engine.
    LightRandom pressRandom;
    // Auto Ripple: colour indexes (0..7) and start indexes (0..15) drawn at set-up, and where
    // the next ripple reads them; the read positions carry on from one run to the next.
    static constexpr int kAutoRippleDraws = 100;
    uint8_t autoRippleColorDraws[kAutoRippleDraws] = {};
    uint8_t autoRippleColorCursor = 0;
    uint8_t autoRippleStartDraws[kAutoRippleDraws] = {};
    uint8_t autoRippleStartCursor = 0;

    // Musical Rhythm: the band of each key column (its colour in full colour).
    uint8_t rhythmBandOfColumn[kColumns] = {};

    // Striation: the running position of each row, started from striationStartColumns.
    uint8_t striationColumns[kRows] = {};
    static constexpr uint8_t striationStartColumns[kRows] = {21, 31, 41, 51, 61, 71};
    // Fireworks: entries 0..2 are the level a key takes from burst ring 0, 1 and 2.
    static constexpr uint8_t fireworkLevelTable[6] = {0, 80, 160, 9, 9, 9};
    // Auto Ripple: start keys, row in bits 7..5 and column in bits 4..0; entries 0..14 are drawn.
    static constexpr uint8_t autoRippleStartKeys[16] = {0x22, 0xA2, 0x64, 0x06, 0x27, 0x67, 0x73, 0x6D,
                                                        0xAB, 0x10, 0xB2, 0xAC, 0x51, 0x69, 0x90, 0x35};

    QColor dimmed(const QColor &color) const { return LightColor::dim(color, dimFactor); }
};

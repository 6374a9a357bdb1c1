#pragma once
// Everything a key effect reads and writes: one cell per key of the 6 by 22 matrix, the
// rendered colours, the working copy of the key record and the model's layout. An effect's
// initialiser fills every cell once; its renderer advances them by one frame and rewrites
// every colour, dimmed by the brightness as its last step.

#include "LightCell.h"
#include "LightColorHelpers.h"
#include "LightParams.h"
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

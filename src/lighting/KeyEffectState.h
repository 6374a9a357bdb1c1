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

    QColor dimmed(const QColor &color) const { return LightColor::dim(color, dimFactor); }
};

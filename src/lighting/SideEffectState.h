#pragma once
// Everything a side strip effect reads and writes: one cell per LED, the rendered colours
// and the working copy of the side record. As for the keys, the renderer dims last.

#include "LightCell.h"
#include "LightColorHelpers.h"
#include "LightParams.h"

#include <QColor>

struct SideEffectState {
    static constexpr int kLeds = 60;

    LightCell cells[kLeds] = {};
    QColor colors[kLeds];
    LightParams params;
    bool fullColor = false;
    int dimFactor = 100;

    QColor dimmed(const QColor &color) const { return LightColor::dim(color, dimFactor); }
};

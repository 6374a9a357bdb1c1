// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything a mouse zone effect reads and writes. The Around zone has one cell and one
// rendered colour per LED (0 .. 17); the Scroll and Logo zones one each (18 and 19). A set-up
// fills its zone's cells once; a renderer advances them by one tick and rewrites the zone's
// colours, dimmed by the zone's brightness as its last step.

#include "BreathCycle.h"
#include "LightCell.h"
#include "LightColorHelpers.h"
#include "LightParams.h"

#include <QColor>

#include <cstdint>

// The working record of one zone and what its modes keep between ticks.
struct MouseZone {
    LightParams params;
    bool fullColor = false;  // the record's ledModeType is not 0
    int dimFactor = 100;     // QColor::darker factor of the zone's brightness
    BreathCycle breath;

    QColor dimmed(const QColor &color) const { return LightColor::dim(color, dimFactor); }
    QColor foreground() const { return QColor(params.red, params.green, params.blue); }
    QColor background() const { return QColor(params.bgRed, params.bgGreen, params.bgBlue); }
    bool backgroundBlack() const { return params.bgRed == 0 && params.bgGreen == 0 && params.bgBlue == 0; }
};

struct MouseEffectState {
    static constexpr int kLeds = 18;
    static constexpr int kCells = 20;
    static constexpr int kScrollCell = 18;
    static constexpr int kLogoCell = 19;
    static constexpr int kScrollLed = 7;  // the LED that shows the Scroll zone while it is not linked
    static constexpr int kLogoLed = 5;    // the LED that shows the Logo zone while it is not linked
    static constexpr int kWaveLeds = 8;   // the LEDs the Wave tables have entries for
    static constexpr int kPathLeds = 8;   // Snack, Twinkle and Speed Respond use LEDs 0 .. 7

    LightCell cells[kCells] = {};
    QColor colors[kCells];  // the rendered colours; 18 the Scroll zone's, 19 the Logo zone's

    MouseZone around;
    MouseZone scroll;
    MouseZone logo;

    // Around counters.
    int snackPosition = 0;
    int twinkleIndex = 0;
    int twinkleTicks = 0;
    int speedRespondLevel = 0;

    // The LED buttons of the lighting page: the modes that walk them cover the first
    // buttonCount LEDs; ledValid[n] is set when button n's LED exists on the mouse.
    int buttonCount = 0;
    bool ledValid[kLeds] = {};

    // The colour of the DPI level in use; black when there is none.
    QColor dpiColor = QColor(0, 0, 0);
};

// SPDX-License-Identifier: GPL-3.0-or-later
#include "MouseAroundEffects.h"

#include "LightPresetTables.h"
#include "MouseEffectMath.h"
#include "MouseEffectTable.h"
#include "MouseZoneEffects.h"

#include <algorithm>
#include <iterator>

namespace MouseEffects {

namespace {

constexpr int kLeds = MouseEffectState::kLeds;
constexpr int kPathLeds = MouseEffectState::kPathLeds;
constexpr int kTwinkleTicks = 35;
constexpr int kTwinkleSequenceLength = int(std::size(LightTables::mouseTwinkleSequence));

int buttonLeds(const MouseEffectState &state)
{
    return std::clamp(state.buttonCount, 0, kLeds);
}

void fillAround(MouseEffectState &state, const QColor &color, int level, int cellState, int step)
{
    for (int i = 0; i < kLeds; ++i)
        setCell(state.cells[i], color, level, cellState, step);
}

QColor snackHeadColor(const MouseEffectState &state)
{
    return state.around.fullColor ? LightTables::reactiveColorTable[4].color() : state.around.foreground();
}

int snackHead(const MouseEffectState &state)
{
    return (state.around.params.direction & 1) ? kPathLeds - 1 - state.snackPosition : state.snackPosition;
}

// The far end of the Speed Respond bar of the given length.
int speedRespondEnd(const MouseEffectState &state, int length)
{
    return (state.around.params.direction & 1) ? length - 1 : kPathLeds - length;
}

}  // namespace

// --- 0 Static --------------------------------------------------------------------------------

void initAroundStaticEffect(MouseEffectState &state)
{
    fillAround(state, state.around.foreground(), 255, 0, 0);
}

void renderAroundStaticFrame(MouseEffectState &state)
{
    const int alpha = isBlack(state.around.foreground()) ? 0 : 250;
    const int count = buttonLeds(state);
    for (int n = 0; n < count; ++n)
        state.colors[n] = rendered(state.around, cellColor(state.cells[n]), alpha);
}

// --- 1 Breath --------------------------------------------------------------------------------

void initAroundBreathEffect(MouseEffectState &state)
{
    initBreathCells(state.around, state.cells, kLeds);
}

void renderAroundBreathFrame(MouseEffectState &state)
{
    renderBreathCells(state.around, state.cells, state.colors, kLeds);
}

// --- 2 Wave ----------------------------------------------------------------------------------

void initAroundWaveEffect(MouseEffectState &state)
{
    const MouseZone &zone = state.around;
    const int direction = zone.params.direction;
    const bool moving = direction == 0 || direction == 1;
    const int count = buttonLeds(state);
    int lit = 0;        // lit LEDs seen so far
    int waveState = 1;  // an unlit LED keeps the state of the one before
    for (int n = 0; n < count; ++n) {
        const bool valid = state.ledValid[n];
        // The Wave tables have eight entries: LEDs past the eighth lit one stay dark.
        const bool inTable = valid && lit < MouseEffectState::kWaveLeds;
        if (zone.fullColor) {
            const QColor color = inTable && moving ? LightTables::mouseAroundColorTable[lit].color() : QColor(0, 0, 0);
            setCell(state.cells[n], color, inTable || !valid ? 255 : 0, 1, 0);
        } else {
            int weight = 0;
            if (inTable && direction == 0) {
                weight = LightTables::mouseWaveLevels[lit];
                waveState = n < 6 ? 1 : 2;
            } else if (inTable && direction == 1) {
                weight = 255 - LightTables::mouseWaveLevels[lit];
                waveState = n < 6 ? 2 : 1;
            }
            const QColor color =
                valid && !inTable ? QColor(0, 0, 0) : blend(zone.foreground(), zone.background(), weight);
            setCell(state.cells[n], color, weight, waveState, 0);
        }
        if (valid)
            ++lit;
    }
}

void renderAroundWaveFrame(MouseEffectState &state)
{
    const MouseZone &zone = state.around;
    const int count = buttonLeds(state);
    for (int n = 0; n < count; ++n) {
        LightCell &cell = state.cells[n];
        if (zone.fullColor) {
            const QColor color = LightColor::stepHue(cellColor(cell), 0, 9);
            setCellColor(cell, color);
            state.colors[n] = rendered(zone, color, 250);
            continue;
        }
        if (cell.state == 2 && cell.level < 10)
            cell.state = 1;
        if (LightColor::stepLevel(cell.level, 4, cell.state) != 0)
            cell.state = cell.state + 1 > 2 ? 1 : cell.state + 1;
        state.colors[n] = rendered(zone, blend(zone.foreground(), zone.background(), cell.level),
                                   zone.backgroundBlack() ? cell.level : 250);
    }
}

// --- 3 Neon ----------------------------------------------------------------------------------

void initAroundNeonEffect(MouseEffectState &state)
{
    initNeonCells(state.around, state.cells, kLeds);
}

void renderAroundNeonFrame(MouseEffectState &state)
{
    renderNeonCells(state.around, state.cells, state.colors, kLeds);
}

// --- 4 Snack ---------------------------------------------------------------------------------

void initAroundSnackEffect(MouseEffectState &state)
{
    fillAround(state, state.around.background(), 0, 0, 0);
    state.snackPosition = 0;
    setCell(state.cells[snackHead(state)], snackHeadColor(state), 0, 1, 4);
}

void renderAroundSnackFrame(MouseEffectState &state)
{
    const MouseZone &zone = state.around;
    for (int i = 0; i < kLeds; ++i) {
        LightCell w = state.cells[i];
        if (LightColor::stepLevel(w.level, 40, w.state) != 0) {
            if (w.step == 0) {
                w.state = 0;
                setCellColor(w, zone.background());
            } else {
                if (w.step == 4) {
                    // The head has risen: the next LED along the path becomes the head.
                    if (++state.snackPosition >= kPathLeds)
                        state.snackPosition = 0;
                    setCell(w, snackHeadColor(state), 0, 1, 4);
                    state.cells[snackHead(state)] = w;
                }
                --w.step;
                if (w.step == 0) {
                    w.state = 2;
                } else if (w.step & 1) {
                    setCellColor(w,
                                 zone.fullColor ? LightTables::reactiveColorTable[w.step].color() : zone.foreground());
                    w.state = w.state + 1 > 2 ? 1 : w.state + 1;
                }
            }
        }
        state.cells[i] = w;
        state.colors[i] = rendered(zone, cellColor(w), 180);
    }
}

// --- 6 Twinkle -------------------------------------------------------------------------------

void initAroundTwinkleEffect(MouseEffectState &state)
{
    fillAround(state, state.around.background(), 0, 0, 0);
    state.twinkleIndex = 0;
    state.twinkleTicks = 0;
}

void renderAroundTwinkleFrame(MouseEffectState &state)
{
    const MouseZone &zone = state.around;
    const QColor background = zone.background();
    const bool backgroundBlack = zone.backgroundBlack();
    for (int i = 0; i < kLeds; ++i) {
        LightCell &cell = state.cells[i];
        if (cell.state != 0 && LightColor::stepLevel(cell.level, 8, cell.state) != 0)
            cell.state = cell.state + 1 > 2 ? 0 : cell.state + 1;
        const QColor base = zone.fullColor ? paletteColor(LightTables::twinkleColorTable,
                                                          int(std::size(LightTables::twinkleColorTable)), cell.step)
                                           : zone.foreground();
        state.colors[i] = rendered(zone, blend(base, background, cell.level), backgroundBlack ? cell.level : 250);
    }
    if (++state.twinkleTicks < kTwinkleTicks)
        return;
    state.twinkleTicks = 0;
    if (++state.twinkleIndex >= kTwinkleSequenceLength)
        state.twinkleIndex = 0;
    LightCell &next = state.cells[LightTables::mouseTwinkleSequence[state.twinkleIndex] % kPathLeds];
    next.state = 1;
    if (zone.fullColor) {
        next.step = next.step <= 0 ? 7 : next.step - 1;
        next.level = 0;
    } else {
        next.level = 1;
    }
}

// --- 7 DPI -----------------------------------------------------------------------------------

void initAroundDpiEffect(MouseEffectState &state)
{
    fillAround(state, state.dpiColor, 255, 0, 0);
}

void renderAroundDpiFrame(MouseEffectState &state)
{
    const QColor dpi(state.dpiColor.red(), state.dpiColor.green(), state.dpiColor.blue());
    const QColor color = rendered(state.around, dpi, isBlack(dpi) ? 0 : 250);
    const int count = buttonLeds(state);
    for (int n = 0; n < count; ++n)
        state.colors[n] = color;
}

// --- 8 Speed Respond -------------------------------------------------------------------------

void initAroundSpeedRespondEffect(MouseEffectState &state)
{
    fillAround(state, state.around.fullColor ? QColor(0, 0, 0) : state.around.foreground(), 0, 0, 0);
    state.speedRespondLevel = 0;
}

void speedRespondPress(MouseEffectState &state)
{
    int &length = state.speedRespondLevel;
    if (length <= 0)
        length = 1;
    else if (length < kPathLeds && state.cells[speedRespondEnd(state, length)].level > 120)
        ++length;
    const bool odd = state.around.params.direction & 1;
    for (int j = 0; j < length; ++j) {
        LightCell &cell = state.cells[odd ? j : kPathLeds - 1 - j];
        setCellColor(cell, state.around.fullColor ? LightTables::mouseReactiveColorTable[j].color()
                                                  : state.around.foreground());
        cell.level = 255;
        cell.state = 2;
    }
}

void renderAroundSpeedRespondFrame(MouseEffectState &state)
{
    const MouseZone &zone = state.around;
    const QColor background = zone.background();
    const bool backgroundBlack = zone.backgroundBlack();
    int &length = state.speedRespondLevel;
    const int end = length > 0 ? speedRespondEnd(state, length) : -1;
    bool goneOut = false;
    for (int i = 0; i < kLeds; ++i) {
        LightCell &cell = state.cells[i];
        const int before = cell.level;
        if (i == end) {
            LightColor::stepLevel(cell.level, 30, 2);
            if (cell.level == 0) {
                cell.state = 0;
                goneOut = true;
            }
        }
        state.colors[i] =
            rendered(zone, blend(cellColor(cell), background, cell.level), backgroundBlack ? before : 250);
    }
    if (goneOut && length > 0)
        --length;
}

}  // namespace MouseEffects

// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeySweepEffects.h"

#include "KeyEffectRules.h"
#include "KeyLevelTables.h"
#include "LightPresetTables.h"

#include <algorithm>

using namespace KeyEffectRules;

namespace {

constexpr int kRows = KeyEffectState::kRows;
constexpr int kColumns = KeyEffectState::kColumns;
constexpr int kKeys = KeyEffectState::kKeys;
constexpr int kHueAlpha = 180;
constexpr int kMaxLevelAlpha = 200;
constexpr int kSwingStep = 4;
constexpr int kSwingTurnBelow = 10;
constexpr int kWaveHueStep = 9;
constexpr int kRadarHueStep = 12;
constexpr int kTwinkleLevelStep = 4;
constexpr int kTwinkleFramesPerStart = 2;
constexpr int kSnackHeadStep = 60;
constexpr int kSnackTrailStep = 5;
constexpr int kSnackHandOnBelow = 235;
constexpr int kSnackHead = 9;

void setCellColor(LightCell &cell, const QColor &color)
{
    cell.red = color.red();
    cell.green = color.green();
    cell.blue = color.blue();
}

LightCell levelCell(const KeyEffectState &state, int level, int cellState)
{
    const QColor color = blend(foreground(state), background(state), level);
    return LightCell{color.red(), color.green(), color.blue(), level, cellState, 0, 0};
}

LightCell colorCell(const QColor &color)
{
    return LightCell{color.red(), color.green(), color.blue(), 255, 0, 0, 0};
}

// Full colour: every cell turns along the hue ring, shown at alpha 180.
template <typename Step>
void renderHueFrame(KeyEffectState &state, Step step)
{
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            LightCell &cell = state.cells[row][column];
            const QColor next = step(cellColor(cell));
            setCellColor(cell, next);
            finishKey(state, row, column, next, kHueAlpha);
        }
    }
}

// Single colour Wave and Radar: every level swings between 255 and a floor below 10.
void renderSwingFrame(KeyEffectState &state)
{
    const QColor fore = foreground(state);
    const QColor back = background(state);
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            LightCell &cell = state.cells[row][column];
            if (cell.state == 2 && cell.level < kSwingTurnBelow)
                cell.state = 1;
            if (LightColor::stepLevel(cell.level, kSwingStep, cell.state) == 1)
                cell.state = 2;
            finishKey(state, row, column, blend(fore, back, std::clamp(cell.level, 0, 255)), plainAlpha(state, cell));
        }
    }
}

int snackPosition(const KeyEffectState &state)
{
    return (state.params.direction & 1) ? state.litKeyCount - state.snackStep : state.snackStep;
}

// Moves the head on and returns the cell it now occupies.
LightCell &advanceSnackHead(KeyEffectState &state)
{
    if (++state.snackStep > state.litKeyCount)
        state.snackStep = 0;
    int row = 0;
    int column = 0;
    KeyLevels::snackPathKey(state.keyNum, snackPosition(state), row, column);
    return state.cells[row][column];
}

}  // namespace

void initWaveEffect(KeyEffectState &state)
{
    const int direction = state.params.direction;
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            LightCell &cell = state.cells[row][column];
            if (state.fullColor) {
                QColor color(0, 0, 0);  // a direction no button gives leaves the keys black
                if (direction == 0 || direction == 1)
                    color = LightTables::waveRampColor(state.keyNum, row, column);
                else if (direction == 2 || direction == 3)
                    color = LightTables::waveRampColor(state.keyNum, 1, 3 * (5 - row));
                else if (direction == 4 || direction == 5)
                    color = LightTables::waveCenterColor(state.keyNum, row, column);
                cell = colorCell(color);
                continue;
            }
            int level = 0;
            int cellState = 1;
            switch (direction) {
            case 0:
            case 1:
                level = KeyLevels::waveLevelRamp(state.keyNum, column);
                cellState = column <= 9 ? 2 : 1;
                break;
            case 2:
            case 3:
                level = KeyLevels::waveLevelRamp(state.keyNum, 2 * row);
                break;
            case 4:
            case 5:
                level = KeyLevels::waveCenterLevel(state.keyNum, row, column);
                cellState = KeyLevels::waveCenterRising(state.keyNum, row, column) ? 1 : 2;
                break;
            default:  // a direction no button gives: all keys pulse together
                break;
            }
            if (direction == 1 || direction == 3 || direction == 5)
                level = 255 - level;
            cell = levelCell(state, level, cellState);
        }
    }
}

void renderWaveFrame(KeyEffectState &state, uint32_t)
{
    if (!state.fullColor) {
        renderSwingFrame(state);
        return;
    }
    const uint8_t direction = uint8_t(state.params.direction & 1);
    renderHueFrame(state, [direction](const QColor &c) { return LightColor::stepHue(c, direction, kWaveHueStep); });
}

void initRadarEffect(KeyEffectState &state)
{
    const int direction = state.params.direction;
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            LightCell &cell = state.cells[row][column];
            if (state.fullColor) {
                cell = colorCell(LightTables::radarColor(state.keyNum, row, column));
                continue;
            }
            if (direction != 0 && direction != 1) {
                cell = levelCell(state, 0, 1);
                continue;
            }
            const int level = KeyLevels::radarLevel(state.keyNum, row, column);
            const int cellState = KeyLevels::radarFalling(state.keyNum, row, column) ? 2 : 1;
            cell = levelCell(state, direction == 0 ? level : 255 - level, cellState);
        }
    }
}

void renderRadarFrame(KeyEffectState &state, uint32_t)
{
    if (!state.fullColor) {
        renderSwingFrame(state);
        return;
    }
    const int direction = state.params.direction;
    renderHueFrame(state,
                   [direction](const QColor &c) { return LightColor::stepHueByMode(c, direction, kRadarHueStep); });
}

void initTwinkleEffect(KeyEffectState &state)
{
    const QColor back = background(state);
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            state.cells[row][column] = LightCell{
                back.red(), back.green(), back.blue(), 0, 0, LightTables::twinkleStartColors[column * kRows + row], 0};
    state.twinkleIndex = 0;
    state.twinkleTick = 0;
}

void renderTwinkleFrame(KeyEffectState &state, uint32_t)
{
    const QColor fore = foreground(state);
    const QColor back = background(state);
    const bool blackBackground = backgroundBlack(state);
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            LightCell &cell = state.cells[row][column];
            if (cell.state != 0 && LightColor::stepLevel(cell.level, kTwinkleLevelStep, cell.state) != 0) {
                if (++cell.state > 2)
                    cell.state = 0;  // risen, fallen, now at rest
            }
            const QColor c =
                state.fullColor ? LightTables::twinkleColorTable[std::clamp(cell.step, 0, 7)].color() : fore;
            const int level = std::clamp(cell.level, 0, 255);
            if (!blackBackground) {
                finishKey(state, row, column, blend(c, back, level), kHueAlpha);
            } else {
                const int shown = std::min(level, kMaxLevelAlpha);
                finishKey(state, row, column, blend(c, QColor(0, 0, 0), shown), shown);
            }
        }
    }
    if (++state.twinkleTick < kTwinkleFramesPerStart)
        return;
    state.twinkleTick = 0;
    if (++state.twinkleIndex >= kKeys)
        state.twinkleIndex = 0;
    const int v = LightTables::twinkleOrder[state.twinkleIndex];
    LightCell &cell = state.cells[v % kRows][v / kRows];
    if (state.fullColor) {
        cell.step = cell.step <= 0 ? 7 : cell.step - 1;
        cell.state = 1;
        cell.level = 0;
    } else {
        cell.state = 1;
        cell.level = 1;
    }
}

void initSnackEffect(KeyEffectState &state)
{
    state.snackStep = 0;
    int row = 0;
    int column = 0;
    KeyLevels::snackPathKey(state.keyNum, snackPosition(state), row, column);
    const QColor fore = foreground(state);
    const QColor back = background(state);
    const QColor head = LightTables::reactiveColorTable[kSnackHead].color();
    for (auto &cells : state.cells) {
        for (LightCell &cell : cells) {
            const QColor c = state.fullColor ? back : fore;
            cell = LightCell{c.red(), c.green(), c.blue(), 0, 0, 0, 0};
        }
    }
    if (state.fullColor)
        state.cells[row][column] = LightCell{head.red(), head.green(), head.blue(), 0, 1, kSnackHead, 0};
    else
        state.cells[row][column] = LightCell{fore.red(), fore.green(), fore.blue(), 255, 2, 1, 0};
}

void renderSnackFrame(KeyEffectState &state, uint32_t)
{
    const QColor back = background(state);
    if (state.fullColor) {
        const QColor head = LightTables::reactiveColorTable[kSnackHead].color();
        for (int row = 0; row < kRows; ++row) {
            for (int column = 0; column < kColumns; ++column) {
                LightCell &cell = state.cells[row][column];
                if (LightColor::stepLevel(cell.level, kSnackHeadStep, cell.state) != 0) {
                    if (cell.step <= 0 || cell.step > kSnackHead) {
                        cell = LightCell{back.red(), back.green(), back.blue(), 0, 0, 0, cell.value};
                    } else {
                        if (cell.step == kSnackHead) {
                            LightCell &next = advanceSnackHead(state);
                            next = cell;
                            setCellColor(next, head);
                            next.level = 0;
                            next.state = 1;
                            next.step = kSnackHead;
                        }
                        if (--cell.step == 0) {
                            cell.state = 2;
                        } else {
                            if (cell.step & 1)
                                setCellColor(cell, LightTables::reactiveColorTable[cell.step].color());
                            cell.state = cell.state == 1 ? 2 : 1;
                        }
                    }
                }
                finishKey(state, row, column, cellDisplayColor(state, row, column), countdownAlpha(state, cell));
            }
        }
        return;
    }
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            LightCell &cell = state.cells[row][column];
            if (LightColor::stepLevel(cell.level, kSnackTrailStep, cell.state) != 0)
                cell.state = 0;
            if (cell.step == 1 && cell.level < kSnackHandOnBelow) {
                cell.step = 0;
                LightCell &next = advanceSnackHead(state);
                next = cell;
                next.level = 255;
                next.state = 2;
                next.step = 1;
            }
            finishKey(state, row, column, blend(cellColor(cell), back, std::clamp(cell.level, 0, 255)),
                      plainAlpha(state, cell));
        }
    }
}

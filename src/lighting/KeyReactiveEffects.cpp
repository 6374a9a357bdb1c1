// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyReactiveEffects.h"

#include "KeyEffectRules.h"
#include "LightPresetTables.h"
#include "LogCategories.h"

#include <algorithm>

using namespace KeyEffectRules;

namespace {

constexpr int kRows = KeyEffectState::kRows;
constexpr int kColumns = KeyEffectState::kColumns;
constexpr int kHueAlpha = 180;
constexpr int kMaxLevelAlpha = 200;
constexpr int kCountdownStart = 9;
constexpr int kReactiveFullStep = 14;
constexpr int kReactiveSingleStep = 2;
constexpr int kStriationFullStep = 40;
constexpr int kStriationSingleStep = 7;
constexpr int kStriationFullAdvance = 45;
constexpr int kStriationSingleAdvance = 7;
constexpr int kFullThreshold = 255;
constexpr int kSingleThreshold = 40;
constexpr int kSpeedRespondFall = 25;
constexpr int kSpeedRespondBrightBelow = 120;
constexpr int kSpeedRespondLevelStep = 20;

void fillCells(KeyEffectState &state, const QColor &color)
{
    for (auto &row : state.cells)
        for (LightCell &cell : row)
            cell = LightCell{color.red(), color.green(), color.blue(), 0, 0, 0, 0};
}

void setCellColor(LightCell &cell, const LightTables::Rgb &color)
{
    cell.red = color.red;
    cell.green = color.green;
    cell.blue = color.blue;
}

// A key lit to start its colour countdown from full level (full colour), or to fade from the
// colour (single colour).
void lightKey(KeyEffectState &state, LightCell &cell, bool setStep)
{
    if (state.fullColor) {
        setCellColor(cell, LightTables::reactiveColorTable[kCountdownStart]);
        cell.level = 255;
        cell.state = 1;
        cell.step = kCountdownStart;
        return;
    }
    cell.red = state.params.red;
    cell.green = state.params.green;
    cell.blue = state.params.blue;
    cell.level = 255;
    cell.state = 2;
    if (setStep)
        cell.step = kCountdownStart;
}

// Reactive and Cross: the countdown, or the single-colour fade that ends at the background.
void renderFadingKeys(KeyEffectState &state)
{
    const QColor back = background(state);
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            LightCell &cell = state.cells[row][column];
            if (state.fullColor) {
                stepColorCountdown(cell, kReactiveFullStep);
                finishKey(state, row, column, cellDisplayColor(state, row, column), countdownAlpha(state, cell));
                continue;
            }
            if (LightColor::stepLevel(cell.level, kReactiveSingleStep, cell.state) != 0)
                cell = LightCell{back.red(), back.green(), back.blue(), 0, 0, cell.step, cell.value};
            finishKey(state, row, column, cellDisplayColor(state, row, column), plainAlpha(state, cell));
        }
    }
}

int speedRespondRow(const KeyEffectState &state, int k)
{
    return (state.params.direction & 1) ? k : kRows - 1 - k;
}

}  // namespace

void initReactiveEffect(KeyEffectState &state)
{
    fillCells(state, background(state));
}

void renderReactiveFrame(KeyEffectState &state, uint32_t)
{
    renderFadingKeys(state);
}

void pressReactiveKey(KeyEffectState &state, int row, int column)
{
    lightKey(state, state.cells[row][column], true);
}

void initCrossEffect(KeyEffectState &state)
{
    fillCells(state, background(state));
}

void renderCrossFrame(KeyEffectState &state, uint32_t)
{
    renderFadingKeys(state);
}

void pressCrossKey(KeyEffectState &state, int row, int column)
{
    for (int r = 0; r < kRows; ++r)
        lightKey(state, state.cells[r][column], false);
    for (int c = 0; c < kColumns; ++c)
        lightKey(state, state.cells[row][c], false);
}

void initSpeedRespondEffect(KeyEffectState &state)
{
    fillCells(state, state.fullColor ? QColor(0, 0, 0) : foreground(state));
    state.speedRespondRows = 0;
}

void addSpeedRespondRow(KeyEffectState &state, int, int)
{
    if (state.speedRespondRows <= 0) {
        state.speedRespondRows = 1;
    } else {
        const int newest = speedRespondRow(state, state.speedRespondRows - 1);
        if (state.cells[newest][0].level > kSpeedRespondBrightBelow && state.speedRespondRows < kRows)
            ++state.speedRespondRows;
    }
    state.speedRespondRows = std::min(state.speedRespondRows, kRows);
    for (int k = 0; k < state.speedRespondRows; ++k) {
        const int row = speedRespondRow(state, k);
        const int level = 255 - kSpeedRespondLevelStep * k;
        for (LightCell &cell : state.cells[row]) {
            cell.level = level;
            cell.state = 2;
            if (state.fullColor)
                setCellColor(cell, LightTables::speedRespondColorTable[k]);
        }
        qCDebug(lcLight) << "------------------***responesRowCnt:" << state.speedRespondRows << "  temp:" << row
                         << "  colorAlpha:" << level;
    }
}

void renderSpeedRespondFrame(KeyEffectState &state, uint32_t)
{
    const bool blackBackground = backgroundBlack(state);
    const int newest = state.speedRespondRows > 0 ? speedRespondRow(state, state.speedRespondRows - 1) : -1;
    bool drained = false;
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            LightCell &cell = state.cells[row][column];
            const int before = cell.level;
            if (row == newest && LightColor::stepLevel(cell.level, kSpeedRespondFall, cell.state) != 0) {
                cell.state = 0;
                drained = true;
            }
            const int alpha = blackBackground ? std::clamp(before, 0, kMaxLevelAlpha) : kHueAlpha;
            finishKey(state, row, column, cellDisplayColor(state, row, column), alpha);
        }
    }
    if (drained)
        --state.speedRespondRows;
}

void initStriationEffect(KeyEffectState &state)
{
    std::copy(std::begin(KeyEffectState::striationStartColumns), std::end(KeyEffectState::striationStartColumns),
              std::begin(state.striationColumns));
    fillCells(state, state.fullColor ? QColor(0, 0, 0) : foreground(state));
    state.rippleStepThreshold = state.fullColor ? kFullThreshold : kSingleThreshold;
    state.effectStepAccumulator = 0;
}

void renderStriationFrame(KeyEffectState &state, uint32_t)
{
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            LightCell &cell = state.cells[row][column];
            if (state.fullColor) {
                stepColorCountdown(cell, kStriationFullStep);
                finishKey(state, row, column, cellDisplayColor(state, row, column), countdownAlpha(state, cell));
                continue;
            }
            if (LightColor::stepLevel(cell.level, kStriationSingleStep, cell.state) != 0)
                cell.state = 0;
            finishKey(state, row, column, cellDisplayColor(state, row, column), plainAlpha(state, cell));
        }
    }
    advanceStriation(state);
}

void advanceStriation(KeyEffectState &state)
{
    state.effectStepAccumulator += state.fullColor ? kStriationFullAdvance : kStriationSingleAdvance;
    if (state.effectStepAccumulator < state.rippleStepThreshold)
        return;
    state.effectStepAccumulator = 0;
    for (int row = 0; row < kRows; ++row) {
        const uint8_t p = --state.striationColumns[row];
        if (p < kColumns) {
            const int column = (state.params.direction & 1) ? p : kColumns - 1 - p;
            LightCell &cell = state.cells[row][column];
            if (state.fullColor) {
                setCellColor(cell, LightTables::reactiveColorTable[kCountdownStart]);
                cell.level = 0;
                cell.state = 1;
                cell.step = kCountdownStart;
            } else {
                cell.level = 255;
                cell.state = 2;
            }
        }
        if (p == 0)
            state.striationColumns[row] = kColumns;
    }
}

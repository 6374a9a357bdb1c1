// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyFillEffects.h"

#include "KeyEffectRules.h"
#include "LightPresetTables.h"

#include <algorithm>

using namespace KeyEffectRules;

namespace {

constexpr int kRows = KeyEffectState::kRows;
constexpr int kColumns = KeyEffectState::kColumns;
constexpr int kSolidAlpha = 180;
constexpr int kMaxLevelAlpha = 200;
constexpr int kBreathLevelStep = 2;
constexpr int kNeonLevelStep = 1;
constexpr int kNeonHueStep = 6;
constexpr int kPauseFrames = 7;

void fillCells(KeyEffectState &state, const LightCell &cell)
{
    for (auto &row : state.cells)
        for (LightCell &c : row)
            c = cell;
}

// Static and Custom: every key shows its cell colour, transparent when that is black.
void renderSolidFrame(KeyEffectState &state)
{
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            const QColor color = cellColor(state.cells[row][column]);
            const bool black = color.red() == 0 && color.green() == 0 && color.blue() == 0;
            finishKey(state, row, column, color, black ? 0 : kSolidAlpha);
        }
    }
}

void setBreathColor(KeyEffectState &state, int index, const QColor &color)
{
    state.breathColors[index][0] = uint8_t(color.red());
    state.breathColors[index][1] = uint8_t(color.green());
    state.breathColors[index][2] = uint8_t(color.blue());
}

}  // namespace

void initStaticEffect(KeyEffectState &state)
{
    const QColor color = foreground(state);
    fillCells(state, LightCell{color.red(), color.green(), color.blue(), 255, 0, 0, 0});
}

void renderStaticFrame(KeyEffectState &state, uint32_t)
{
    renderSolidFrame(state);
}

void initCustomEffect(KeyEffectState &) {}

void renderCustomFrame(KeyEffectState &state, uint32_t)
{
    renderSolidFrame(state);
}

void initBreathEffect(KeyEffectState &state)
{
    state.breathColorIndex = 0;
    state.levelPauseCounter = 0;
    state.levelPauseFlags &= ~1;
    if (state.fullColor) {
        for (int i = 0; i < 7; ++i)
            setBreathColor(state, i, LightTables::breathColorTable[i].color());
        state.breathColorCount = 7;
    } else {
        setBreathColor(state, 0, foreground(state));
        setBreathColor(state, 1, backgroundBlack(state) ? foreground(state) : background(state));
        state.breathColorCount = 2;
    }
    const uint8_t *first = state.breathColors[0];
    fillCells(state, LightCell{first[0], first[1], first[2], 255, 2, 0, 0});
}

void renderBreathFrame(KeyEffectState &state, uint32_t)
{
    if (state.levelPauseFlags & 1) {
        if (++state.levelPauseCounter < kPauseFrames)
            return;
        state.levelPauseCounter = 0;
        state.levelPauseFlags &= ~1;
        if (state.breathColorCount == 0 || state.breathColorCount > 7)
            state.breathColorCount = 1;
        if (++state.breathColorIndex >= state.breathColorCount)
            state.breathColorIndex = 0;
        const uint8_t *next = state.breathColors[state.breathColorIndex];
        fillCells(state, LightCell{next[0], next[1], next[2], 0, 1, 0, 0});
        return;
    }
    const bool blackBackground = backgroundBlack(state);
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            if (state.levelPauseFlags & 1)
                return;
            LightCell &cell = state.cells[row][column];
            const uint8_t bound = LightColor::stepLevel(cell.level, kBreathLevelStep, cell.state);
            if (bound == 1) {
                cell.state = 2;
            } else if (bound == 2) {
                state.levelPauseFlags |= 1;
                cell.state = 1;
            }
            const int level = std::clamp(cell.level, 0, 255);
            const QColor base = cellColor(cell);
            const QColor key(base.red() * level / 256, base.green() * level / 256, base.blue() * level / 256);
            const bool keyBlack = key.red() == 0 && key.green() == 0 && key.blue() == 0;
            const int alpha = (blackBackground && keyBlack) ? 0 : std::min(level, kMaxLevelAlpha);
            finishKey(state, row, column, key, alpha);
        }
    }
}

void initNeonEffect(KeyEffectState &state)
{
    // The pause is left as it is: one that a Breath left running ends within the first cells.
    if (state.fullColor) {
        fillCells(state, LightCell{255, 0, 0, 255, 0, 0, 0});
    } else {
        const QColor color = foreground(state);
        fillCells(state, LightCell{color.red(), color.green(), color.blue(), 0, 1, 0, 0});
    }
}

void renderNeonFrame(KeyEffectState &state, uint32_t)
{
    if (state.fullColor) {
        for (int row = 0; row < kRows; ++row) {
            for (int column = 0; column < kColumns; ++column) {
                LightCell &cell = state.cells[row][column];
                cell.level = 255;
                const QColor next = LightColor::stepHue(cellColor(cell), 1, kNeonHueStep);
                cell.red = next.red();
                cell.green = next.green();
                cell.blue = next.blue();
                finishKey(state, row, column, next, kSolidAlpha);
            }
        }
        return;
    }
    const QColor back = background(state);
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            LightCell &cell = state.cells[row][column];
            if (!(state.levelPauseFlags & 1)) {
                const uint8_t bound = LightColor::stepLevel(cell.level, kNeonLevelStep, cell.state);
                if (bound == 1) {
                    cell.state = 2;
                } else if (bound == 2) {
                    state.levelPauseFlags |= 1;
                    cell.state = 1;
                }
                const int level = std::clamp(cell.level, 0, 255);
                finishKey(state, row, column, blend(cellColor(cell), back, level), plainAlpha(state, cell));
            }
            stepLevelPause(state);
        }
    }
}

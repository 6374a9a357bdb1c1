// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyEffectRules.h"

#include "LightPresetTables.h"

#include <algorithm>

namespace KeyEffectRules {

namespace {

constexpr int kHueAlpha = 180;
constexpr int kMaxLevelAlpha = 200;

bool readsReactivePalette(int effect)
{
    return effect == 5 || effect == 6 || effect == 7 || effect == 11 || effect == 15 || effect == 16;
}

}  // namespace

int blend(int c, int b, int level)
{
    return (c * level + (255 - level) * b) / 256;
}

QColor blend(const QColor &c, const QColor &b, int level)
{
    return QColor(blend(c.red(), b.red(), level), blend(c.green(), b.green(), level), blend(c.blue(), b.blue(), level));
}

QColor cellColor(const LightCell &cell)
{
    return QColor(std::clamp(cell.red, 0, 255), std::clamp(cell.green, 0, 255), std::clamp(cell.blue, 0, 255));
}

QColor background(const KeyEffectState &state)
{
    return QColor(state.params.bgRed, state.params.bgGreen, state.params.bgBlue);
}

QColor foreground(const KeyEffectState &state)
{
    return QColor(state.params.red, state.params.green, state.params.blue);
}

bool backgroundBlack(const KeyEffectState &state)
{
    return state.params.bgRed == 0 && state.params.bgGreen == 0 && state.params.bgBlue == 0;
}

QColor cellDisplayColor(const KeyEffectState &state, int row, int column)
{
    const LightCell &cell = state.cells[row][column];
    QColor base = background(state);
    if (readsReactivePalette(state.params.ledType) && state.fullColor && cell.step >= 1 && cell.step <= 8)
        base = LightTables::reactiveColorTable[(cell.step + 1) & ~1].color();
    return blend(cellColor(cell), base, std::clamp(cell.level, 0, 255));
}

int plainAlpha(const KeyEffectState &state, const LightCell &cell)
{
    return backgroundBlack(state) ? std::clamp(cell.level, 0, kMaxLevelAlpha) : kHueAlpha;
}

int countdownAlpha(const KeyEffectState &state, const LightCell &cell)
{
    if (!backgroundBlack(state) || (cell.step >= 1 && cell.step <= 9))
        return kHueAlpha;
    return std::clamp(cell.level, 0, kMaxLevelAlpha);
}

void finishKey(KeyEffectState &state, int row, int column, const QColor &color, int alpha)
{
    QColor key(color.red(), color.green(), color.blue(), 255);
    key.setAlpha(alpha);
    state.colors[row * KeyEffectState::kColumns + column] = state.dimmed(key);
}

void stepColorCountdown(LightCell &cell, int step)
{
    if (LightColor::stepLevel(cell.level, step, cell.state) == 0)
        return;
    if (cell.step <= 0) {
        cell.step = 0;
        cell.state = 0;
        return;
    }
    cell.step = std::min(cell.step, 10) - 1;
    if (cell.step == 0) {
        cell.state = 2;
        return;
    }
    if (cell.step & 1) {
        const LightTables::Rgb &entry = LightTables::reactiveColorTable[cell.step];
        cell.red = entry.red;
        cell.green = entry.green;
        cell.blue = entry.blue;
    }
    cell.state = cell.state == 1 ? 2 : 1;
}

void stepLevelPause(KeyEffectState &state)
{
    if (!(state.levelPauseFlags & 1))
        return;
    if (++state.levelPauseCounter >= 7) {
        state.levelPauseCounter = 0;
        state.levelPauseFlags &= ~1;
    }
}

}  // namespace KeyEffectRules

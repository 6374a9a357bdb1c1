// SPDX-License-Identifier: GPL-3.0-or-later
#include "SideStripEffects.h"

#include "LightPresetTables.h"
#include "SideWaveSets.h"

#include <algorithm>

namespace {

constexpr int kLeds = SideEffectState::kLeds;
constexpr int kStripAlpha = 250;
constexpr int kMaxLevelAlpha = 200;
constexpr int kPauseFrames = 7;
constexpr int kBreathStep = 2;
constexpr int kNeonLevelStep = 1;
constexpr int kNeonHueStep = 6;
constexpr int kWaveHueStep = 9;
constexpr int kWaveLevelStep = 4;
constexpr int kWaveTurnBelow = 10;
constexpr uint8_t kCollisionLast = 32;
constexpr int kCollisionPairs = 33;
constexpr int kCollisionRestEnd = 36;
constexpr int kCollisionStart = 7;

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

void setCellColor(LightCell &cell, const QColor &color)
{
    cell.red = color.red();
    cell.green = color.green();
    cell.blue = color.blue();
}

QColor sideColor(const SideEffectState &state)
{
    return QColor(state.params.red, state.params.green, state.params.blue);
}

QColor background(const SideEffectState &state)
{
    return QColor(state.params.bgRed, state.params.bgGreen, state.params.bgBlue);
}

bool isBlack(const QColor &color)
{
    return color.red() == 0 && color.green() == 0 && color.blue() == 0;
}

int ledCount(const SideEffectState &state)
{
    return std::clamp(state.ledCount, 0, kLeds);
}

// 250 over a background, else the level up to 200.
int levelAlpha(const SideEffectState &state, int level)
{
    return isBlack(background(state)) ? std::clamp(level, 0, kMaxLevelAlpha) : kStripAlpha;
}

void show(SideEffectState &state, int n, const QColor &color, int alpha)
{
    QColor led(color.red(), color.green(), color.blue());
    led.setAlpha(alpha);
    state.colors[n] = state.dimmed(led);
}

void fillCells(SideEffectState &state, const QColor &color, int level, int cellState)
{
    for (LightCell &cell : state.cells)
        cell = LightCell{color.red(), color.green(), color.blue(), level, cellState, 0, 0};
}

void setBreathColor(SideEffectState &state, int index, const QColor &color)
{
    state.breathColors[index][0] = uint8_t(color.red());
    state.breathColors[index][1] = uint8_t(color.green());
    state.breathColors[index][2] = uint8_t(color.blue());
}

void stepLevelPause(SideEffectState &state)
{
    if (!(state.levelPauseFlags & 1))
        return;
    if (++state.levelPauseCounter >= kPauseFrames) {
        state.levelPauseCounter = 0;
        state.levelPauseFlags &= ~1;
    }
}

// Turns a swing at its bounds: a rising cell starts falling, a falling one starts a pause and
// will rise.
void turnAtBound(SideEffectState &state, LightCell &cell, uint8_t bound)
{
    if (bound == 1) {
        cell.state = 2;
    } else if (bound == 2) {
        state.levelPauseFlags |= 1;
        cell.state = 1;
    }
}

}  // namespace

// ---------------------------------------------------------------------------------------
// Static

void initSideStaticEffect(SideEffectState &state)
{
    fillCells(state, sideColor(state), 255, 0);
}

void renderSideStaticFrame(SideEffectState &state, uint32_t)
{
    const int alpha = isBlack(sideColor(state)) ? 0 : kStripAlpha;
    for (int n = 0; n < ledCount(state); ++n)
        show(state, n, cellColor(state.cells[n]), alpha);
}

// ---------------------------------------------------------------------------------------
// Breath

void initSideBreathEffect(SideEffectState &state)
{
    state.breathColorIndex = 0;
    state.levelPauseCounter = 0;
    state.levelPauseFlags &= ~1;
    if (state.fullColor) {
        for (int i = 0; i < 7; ++i)
            setBreathColor(state, i, LightTables::breathColorTable[i].color());
        state.breathColorCount = 7;
    } else {
        const QColor side = sideColor(state);
        setBreathColor(state, 0, side);
        setBreathColor(state, 1, isBlack(background(state)) ? side : background(state));
        state.breathColorCount = 2;
    }
    const uint8_t *first = state.breathColors[0];
    fillCells(state, QColor(first[0], first[1], first[2]), 255, 2);
}

void renderSideBreathFrame(SideEffectState &state, uint32_t)
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
        fillCells(state, QColor(next[0], next[1], next[2]), 0, 1);
        return;
    }
    const bool blackBackground = isBlack(background(state));
    for (int n = 0; n < ledCount(state); ++n) {
        if (state.levelPauseFlags & 1)
            return;
        LightCell &cell = state.cells[n];
        turnAtBound(state, cell, LightColor::stepLevel(cell.level, kBreathStep, cell.state));
        const int level = std::clamp(cell.level, 0, 255);
        const QColor base = cellColor(cell);
        const QColor led(base.red() * level / 256, base.green() * level / 256, base.blue() * level / 256);
        show(state, n, led, (blackBackground && isBlack(led)) ? 0 : std::min(level, kMaxLevelAlpha));
    }
}

// ---------------------------------------------------------------------------------------
// Wave

void initSideWaveEffect(SideEffectState &state)
{
    const SideWaveSet *set = state.waveSet;
    const int direction = state.params.direction;
    const bool known = set && (direction == 0 || direction == 1);
    const QColor side = sideColor(state);
    const QColor back = background(state);
    int lit = 0;
    int previousState = 1;
    for (int n = 0; n < kLeds; ++n) {
        LightCell &cell = state.cells[n];
        const bool valid = n < ledCount(state) && state.valid[n];
        if (state.fullColor) {
            QColor color(0, 0, 0);
            int level = 255;
            if (valid && known) {
                // A model with more lit LEDs than its palette: the rest start black, at level 0.
                if (lit < set->paletteSize)
                    color = set->palette[lit].color();
                else
                    level = 0;
                ++lit;
            }
            cell = LightCell{color.red(), color.green(), color.blue(), level, 1, 0, 0};
            continue;
        }
        int level = 0;
        int cellState = previousState;
        if (valid) {
            if (known && lit < set->rampSize)
                level = direction == 0 ? set->ramp[lit] : 255 - set->ramp[lit];
            cellState = (set && n < set->firstFallingCount) ? 2 : 1;
            previousState = cellState;
            ++lit;
        }
        const QColor color = blend(side, back, level);
        cell = LightCell{color.red(), color.green(), color.blue(), level, cellState, 0, 0};
    }
}

void renderSideWaveFrame(SideEffectState &state, uint32_t)
{
    if (state.fullColor) {
        for (int n = 0; n < ledCount(state); ++n) {
            LightCell &cell = state.cells[n];
            const QColor next = LightColor::stepHue(cellColor(cell), 0, kWaveHueStep);
            setCellColor(cell, next);
            show(state, n, next, kStripAlpha);
        }
        return;
    }
    const QColor side = sideColor(state);
    const QColor back = background(state);
    for (int n = 0; n < ledCount(state); ++n) {
        LightCell &cell = state.cells[n];
        if (cell.state == 2 && cell.level < kWaveTurnBelow)
            cell.state = 1;
        const uint8_t bound = LightColor::stepLevel(cell.level, kWaveLevelStep, cell.state);
        if (bound == 1)
            cell.state = 2;
        else if (bound == 2)
            cell.state = 1;
        const int level = std::clamp(cell.level, 0, 255);
        const QColor color = blend(side, back, level);
        setCellColor(cell, color);
        show(state, n, color, levelAlpha(state, level));
    }
}

// ---------------------------------------------------------------------------------------
// Collision

void initSideCollisionEffect(SideEffectState &state)
{
    state.sideCollisionPos = 0;
    state.sideCollisionStage = 0;
    state.sideCollisionBackward = false;
    if (state.fullColor) {
        state.sideCollisionLevelStep = 35;
        state.sideCollisionThreshold = 255;
        fillCells(state, QColor(0, 0, 0), 0, 0);
    } else {
        state.sideCollisionLevelStep = 7;
        state.sideCollisionThreshold = 40;
        fillCells(state, sideColor(state), 0, 0);
    }
}

bool lightSideCollisionPair(SideEffectState &state, uint8_t last, uint8_t pos)
{
    if (pos > last || last >= kLeds)
        return false;
    for (const int n : {int(pos), last - pos}) {
        LightCell &cell = state.cells[n];
        if (state.fullColor) {
            setCellColor(cell, LightTables::collisionColorTable[kCollisionStart].color());
            cell.level = 255;
            cell.state = 1;
            cell.step = kCollisionStart;
        } else {
            setCellColor(cell, sideColor(state));
            cell.level = 255;
            cell.state = 2;
        }
    }
    return true;
}

void renderSideCollisionFrame(SideEffectState &state, uint32_t)
{
    const QColor back = background(state);
    const bool blackBackground = isBlack(back);
    for (int n = 0; n < ledCount(state); ++n) {
        LightCell &cell = state.cells[n];
        const uint8_t bound = LightColor::stepLevel(cell.level, state.sideCollisionLevelStep, cell.state);
        const int level = std::clamp(cell.level, 0, 255);
        if (!state.fullColor) {
            if (bound != 0)
                cell.state = cell.state == 1 ? 2 : 0;
            show(state, n, blend(cellColor(cell), back, level), levelAlpha(state, level));
            continue;
        }
        if (bound != 0) {
            if (cell.step <= 0) {
                cell.step = 0;
                cell.state = 0;
            } else {
                cell.step = std::min(cell.step, kCollisionStart + 1) - 1;
                if (cell.step == 0) {
                    cell.state = 2;
                } else {
                    if (cell.step & 1)
                        setCellColor(cell, LightTables::collisionColorTable[cell.step].color());
                    cell.state = cell.state == 1 ? 2 : 1;
                }
            }
        }
        QColor under = back;
        if (cell.step == 1 || cell.step == 3 || cell.step == 5)
            under = LightTables::collisionColorTable[cell.step + 1].color();
        else if (cell.step == 2 || cell.step == 4 || cell.step == 6)
            under = LightTables::collisionColorTable[cell.step].color();
        const bool counting = cell.step >= 1 && cell.step <= 9;
        const int alpha = (!blackBackground || counting) ? kStripAlpha : std::clamp(level, 0, kMaxLevelAlpha);
        show(state, n, blend(cellColor(cell), under, level), alpha);
    }

    uint16_t &ticks = state.accumulators->sideCollisionTicks;
    ticks = uint16_t(ticks + state.sideCollisionLevelStep);
    if (ticks <= state.sideCollisionThreshold)
        return;
    ticks = 0;
    if (state.sideCollisionStage < kCollisionPairs) {
        ++state.sideCollisionStage;
        const bool lit = lightSideCollisionPair(state, kCollisionLast, state.sideCollisionPos);
        if (state.sideCollisionBackward) {
            if (state.sideCollisionPos != 0)
                --state.sideCollisionPos;
        } else if (lit) {
            ++state.sideCollisionPos;
        }
    } else if (state.sideCollisionStage < kCollisionRestEnd) {
        ++state.sideCollisionStage;
    } else {
        state.sideCollisionStage = 0;
        state.sideCollisionBackward = !state.sideCollisionBackward;
        state.sideCollisionPos = state.sideCollisionBackward ? kCollisionLast : 0;
    }
}

// ---------------------------------------------------------------------------------------
// Neon

void initSideNeonEffect(SideEffectState &state)
{
    if (state.fullColor)
        fillCells(state, QColor(255, 0, 0), 255, 0);
    else
        fillCells(state, sideColor(state), 0, 1);
}

void renderSideNeonFrame(SideEffectState &state, uint32_t)
{
    const QColor back = background(state);
    for (int n = 0; n < ledCount(state); ++n) {
        LightCell &cell = state.cells[n];
        if (state.fullColor) {
            cell.level = 255;
            const QColor next = LightColor::stepHue(cellColor(cell), 1, kNeonHueStep);
            setCellColor(cell, next);
            show(state, n, next, kStripAlpha);
            continue;
        }
        if (!(state.levelPauseFlags & 1)) {
            turnAtBound(state, cell, LightColor::stepLevel(cell.level, kNeonLevelStep, cell.state));
            const int level = std::clamp(cell.level, 0, 255);
            show(state, n, blend(cellColor(cell), back, level), levelAlpha(state, level));
        }
        stepLevelPause(state);
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyRippleEffects.h"

#include "KeyEffectRules.h"
#include "LightPresetTables.h"

#include <algorithm>

using namespace KeyEffectRules;

namespace {

constexpr int kRows = KeyEffectState::kRows;
constexpr int kColumns = KeyEffectState::kColumns;
constexpr int kSlots = RippleQueue::kSlots;
constexpr int kAutoRippleSlot = kSlots - 1;
constexpr int kCountdownStart = 9;
constexpr int kFullThreshold = 255;
constexpr int kSingleThreshold = 40;
constexpr int kRippleColorCount = 7;

// Level steps per frame of the renderers.
constexpr int kAuroraFullStep = 40;
constexpr int kAuroraSingleStep = 7;
constexpr int kBarFullStep = 8;
constexpr int kBarSingleStep = 12;
constexpr int kDiamondStep = 10;
constexpr int kFireworksFullStep = 40;
constexpr int kFireworksSingleStep = 7;

// The cadence of the queue steps: added per advance call in full / single colour.
constexpr int kAuroraFullAdvance = 8;
constexpr int kAuroraSingleAdvance = 1;
constexpr int kBarFullAdvance = 8;
constexpr int kBarSingleAdvance = 11;
constexpr int kBarThreshold = 48;
constexpr int kDiamondAdvance = 11;
constexpr int kDiamondThreshold = 42;
constexpr int kFireworksFullAdvance = 45;
constexpr int kFireworksSingleAdvance = 7;

// The diamond band's layers, outermost first, take entry 9 - layer; a layer dimmer than
// kDiamondOverLevel lights only keys that are dark.
constexpr int kDiamondLayers = 10;
constexpr int kDiamondHeldLayers = 5;
constexpr int kDiamondOverLevel = 205;
constexpr uint8_t rippleLayerLevels[kDiamondLayers] = {55, 105, 155, 205, 255, 255, 255, 255, 255, 255};

constexpr int kFireworkRings = 3;
constexpr int kAutoRippleStartKeys = 15;
constexpr int kAutoRippleRedraws = 100;
constexpr uint32_t kAutoRippleSeed = 3;

bool inside(int row, int column)
{
    return row >= 0 && row < kRows && column >= 0 && column < kColumns;
}

void setCellColor(LightCell &cell, const LightTables::Rgb &color)
{
    cell.red = color.red;
    cell.green = color.green;
    cell.blue = color.blue;
}

void fillCells(KeyEffectState &state, const QColor &color)
{
    for (auto &row : state.cells)
        for (LightCell &cell : row)
            cell = LightCell{color.red(), color.green(), color.blue(), 0, 0, 0, 0};
}

int farEdgeRadius(int column)
{
    return std::max(column, kColumns - 1 - column);
}

// Moves a cell by step in its state; a bound advances the state: rising, falling, at rest.
bool cycleState(LightCell &cell, int step)
{
    if (LightColor::stepLevel(cell.level, step, cell.state) == 0)
        return false;
    cell.state = cell.state >= 2 ? 0 : cell.state + 1;
    return true;
}

// Adds to an accumulator; true (and the accumulator back at 0) once it reaches the threshold.
bool cadence(uint16_t &accumulator, int added, int threshold)
{
    accumulator = uint16_t(accumulator + added);
    if (accumulator < threshold)
        return false;
    accumulator = 0;
    return true;
}

// One step of a queue entry after its shape was drawn: an inward shape shrinks until it has
// been drawn at size 0, an outward one grows while it still lit a key.
void settleEntry(KeyEffectState &state, int slot, bool lit, bool colored)
{
    RippleQueue &queue = state.ripples;
    const bool inward = state.params.direction & 1;
    bool done;
    if (inward) {
        done = queue.radii[slot] == 0;
        if (!done)
            --queue.radii[slot];
    } else {
        done = !lit || queue.radii[slot] == 0xFF;
        if (!done)
            ++queue.radii[slot];
    }
    if (!done)
        return;
    if (colored)
        queue.removeColored(slot);
    else
        queue.remove(slot);
}

// The walk of the diamond form and of Auto Ripple.
void renderDiamondCells(KeyEffectState &state)
{
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            LightCell &cell = state.cells[row][column];
            if (cell.state != 0 && cycleState(cell, kDiamondStep))
                cell.step = 0;
            finishKey(state, row, column, cellDisplayColor(state, row, column), plainAlpha(state, cell));
        }
    }
}

void queuePress(KeyEffectState &state, int row, int column, int radius)
{
    state.ripples.push(row, column, state.pressRandom.next() % kRippleColorCount, radius);
}

}  // namespace

// ---------------------------------------------------------------------------------------
// Aurora

void initAuroraEffect(KeyEffectState &state)
{
    fillCells(state, state.fullColor ? QColor(0, 0, 0) : background(state));
    state.rippleStepThreshold = state.fullColor ? kFullThreshold : kSingleThreshold;
    state.ripples.clear();
}

void renderAuroraFrame(KeyEffectState &state, uint32_t)
{
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            LightCell &cell = state.cells[row][column];
            if (state.fullColor) {
                stepColorCountdown(cell, kAuroraFullStep);
                finishKey(state, row, column, cellDisplayColor(state, row, column), countdownAlpha(state, cell));
                continue;
            }
            if (LightColor::stepLevel(cell.level, kAuroraSingleStep, cell.state) != 0)
                cell.state = 0;
            finishKey(state, row, column, cellDisplayColor(state, row, column), plainAlpha(state, cell));
        }
        advanceAuroraRipples(state);
    }
}

void advanceAuroraRipples(KeyEffectState &state)
{
    if (!cadence(state.accumulators->auroraStepAccumulator, state.fullColor ? kAuroraFullAdvance : kAuroraSingleAdvance,
                 state.rippleStepThreshold))
        return;
    RippleQueue &queue = state.ripples;
    for (int s = 0; s < kSlots; ++s) {
        if (queue.isFree(s))
            continue;
        const bool lit = drawAuroraRipple(state, queue.rows[s], queue.columns[s], queue.radii[s]);
        settleEntry(state, s, lit, false);
    }
}

bool drawAuroraRipple(KeyEffectState &state, int row, int column, int radius)
{
    if (!inside(row, column))
        return false;
    bool lit = false;
    for (const int c : {column - radius, column + radius}) {
        if (!inside(row, c))
            continue;
        LightCell &cell = state.cells[row][c];
        if (state.fullColor) {
            setCellColor(cell, LightTables::reactiveColorTable[kCountdownStart]);
            cell.level = 0;
            cell.state = 1;
            cell.step = kCountdownStart;
        } else {
            cell.red = state.params.red;
            cell.green = state.params.green;
            cell.blue = state.params.blue;
            cell.level = 255;
            cell.state = 2;
            cell.step = 1;
        }
        lit = true;
    }
    return lit;
}

// ---------------------------------------------------------------------------------------
// Ripple

void initRippleEffect(KeyEffectState &state)
{
    fillCells(state, state.fullColor ? QColor(0, 0, 0) : background(state));
    state.ripples.clear();
}

void renderRippleFrame(KeyEffectState &state, uint32_t)
{
    if (state.m252Chip) {
        renderDiamondCells(state);
        advanceRippleDiamonds(state);
        return;
    }
    const QColor back = background(state);
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            LightCell &cell = state.cells[row][column];
            if (state.fullColor && cell.state != 0)
                setCellColor(cell, LightTables::reactiveColorTable[std::clamp(cell.step, 0, 9)]);
            if (cell.state == 0) {
                cell.red = back.red();
                cell.green = back.green();
                cell.blue = back.blue();
            } else {
                cycleState(cell, state.fullColor ? kBarFullStep : kBarSingleStep);
            }
            finishKey(state, row, column, cellDisplayColor(state, row, column), plainAlpha(state, cell));
        }
    }
    advanceRippleBars(state);
}

void advanceRippleBars(KeyEffectState &state)
{
    if (!cadence(state.accumulators->rippleBarAccumulator, state.fullColor ? kBarFullAdvance : kBarSingleAdvance,
                 kBarThreshold))
        return;
    RippleQueue &queue = state.ripples;
    for (int s = 0; s < kSlots; ++s) {
        if (queue.isFree(s))
            continue;
        const bool lit = drawRippleBars(state, queue.rows[s], queue.columns[s], queue.radii[s]);
        settleEntry(state, s, lit, false);
    }
}

void advanceRippleDiamonds(KeyEffectState &state)
{
    if (!cadence(state.accumulators->rippleDiamondAccumulator, kDiamondAdvance, kDiamondThreshold))
        return;
    RippleQueue &queue = state.ripples;
    for (int s = kSlots - 1; s >= 0; --s) {
        if (queue.isFree(s))
            continue;
        const bool lit = drawRippleDiamond(state, queue.rows[s], queue.columns[s], queue.radii[s], queue.colors[s]);
        settleEntry(state, s, lit, true);
    }
}

bool drawRippleBars(KeyEffectState &state, int row, int column, int radius)
{
    if (!inside(row, column))
        return false;
    bool lit = false;
    for (const int c : {column - radius, column + radius}) {
        if (c < 0 || c >= kColumns)
            continue;
        for (int r = 0; r < kRows; ++r)
            lightRippleBarKey(state, r, c, radius);
        lit = true;
    }
    return lit;
}

void lightRippleBarKey(KeyEffectState &state, int row, int column, int radius)
{
    if (!inside(row, column))
        return;
    LightCell &cell = state.cells[row][column];
    if (state.fullColor) {
        cell.state = 1;
        cell.step = kCountdownStart - radius % kCountdownStart;
        return;
    }
    cell.red = state.params.red;
    cell.green = state.params.green;
    cell.blue = state.params.blue;
    cell.level = 255;
    cell.state = 2;
}

bool drawRippleDiamond(KeyEffectState &state, int row, int column, int radius, int colorIndex)
{
    if (!inside(row, column))
        return false;
    bool lit = false;
    auto light = [&](int r, int c, int layer) {
        if (!inside(r, c))
            return;
        const LightCell &cell = state.cells[r][c];
        if (cell.level != 0 && rippleLayerLevels[kDiamondLayers - 1 - layer] < kDiamondOverLevel)
            return;
        lightRippleDiamondKey(state, r, c, colorIndex, layer);
        lit = true;
    };
    for (int layer = 0; layer < kDiamondLayers && layer <= radius; ++layer) {
        const int d = radius - layer;
        light(row, column - d, layer);
        light(row, column + d, layer);
        for (int dy = 1; dy <= d; ++dy) {
            for (const int r : {row - dy, row + dy}) {
                if (r < 0 || r >= kRows)
                    continue;
                light(r, column - (d - dy), layer);
                light(r, column + (d - dy), layer);
            }
        }
    }
    return lit;
}

void lightRippleDiamondKey(KeyEffectState &state, int row, int column, int colorIndex, int layer)
{
    if (!inside(row, column) || layer < 0 || layer >= kDiamondLayers)
        return;
    LightCell &cell = state.cells[row][column];
    const int level = rippleLayerLevels[kDiamondLayers - 1 - layer];
    if (cell.level != 0 && level < kDiamondOverLevel)
        return;
    cell.level = level;
    cell.state = layer < kDiamondHeldLayers ? 0 : 2;
    if (state.fullColor) {
        setCellColor(cell, LightTables::twinkleColorTable[std::clamp(colorIndex, 0, 6)]);
    } else {
        cell.red = state.params.red;
        cell.green = state.params.green;
        cell.blue = state.params.blue;
    }
}

// ---------------------------------------------------------------------------------------
// Fireworks

void initFireworksEffect(KeyEffectState &state)
{
    fillCells(state, state.fullColor ? QColor(0, 0, 0) : foreground(state));
    state.rippleStepThreshold = state.fullColor ? kFullThreshold : kSingleThreshold;
    state.ripples.clear();
}

void renderFireworksFrame(KeyEffectState &state, uint32_t)
{
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            LightCell &cell = state.cells[row][column];
            if (state.fullColor) {
                stepColorCountdown(cell, kFireworksFullStep);
                finishKey(state, row, column, cellDisplayColor(state, row, column), countdownAlpha(state, cell));
                continue;
            }
            cycleState(cell, kFireworksSingleStep);
            finishKey(state, row, column, cellDisplayColor(state, row, column), plainAlpha(state, cell));
        }
    }
    advanceFireworks(state);
}

void advanceFireworks(KeyEffectState &state)
{
    if (!cadence(state.effectStepAccumulator, state.fullColor ? kFireworksFullAdvance : kFireworksSingleAdvance,
                 state.rippleStepThreshold))
        return;
    RippleQueue &queue = state.ripples;
    for (int s = 0; s < kSlots; ++s) {
        if (queue.isFree(s))
            continue;
        const bool lit = drawFireworkRing(state, queue.rows[s], queue.columns[s], queue.radii[s]);
        settleEntry(state, s, lit, false);
    }
}

bool drawFireworkRing(KeyEffectState &state, int row, int column, int ring)
{
    if (!inside(row, column) || ring < 0 || ring >= kFireworkRings)
        return false;
    const int r = row;
    const int c = column;
    bool lit = false;
    auto light = [&](int kr, int kc) {
        if (!inside(kr, kc))
            return;
        lightFireworkKey(state, kr, kc, ring);
        lit = true;
    };
    if (ring == 0) {
        light(r, c);
        return lit;
    }
    // The keys above lie to the left between rows 2 and 3, to the right elsewhere.
    const int h = (r == 3 && c > 0) ? c - 1 : c;
    const int e = (r == 2 && c <= 20) ? c + 1 : c;
    if (ring == 1) {
        if (r > 0) {
            light(r - 1, h);
            if (c <= 20)
                light(r - 1, h + 1);
        }
        if (r < 5) {
            light(r + 1, e);
            if (e > 0)
                light(r + 1, e - 1);
        }
        if (c > 0)
            light(r, c - 1);
        if (c <= 20)
            light(r, c + 1);
        return lit;
    }
    if (r > 0) {
        if (h > 0)
            light(r - 1, h - 1);
        if (h < 20)
            light(r - 1, h + 2);
    }
    if (r > 1) {
        const int g = ((r == 3 || r == 4) && c > 0) ? c - 1 : c;
        light(r - 2, g);
        if (g < 21)
            light(r - 2, g + 1);
        if (g < 20)
            light(r - 2, g + 2);
    }
    if (r < 5) {
        if (e < 21)
            light(r + 1, e + 1);
        if (e > 1)
            light(r + 1, e - 2);
    }
    if (r < 4) {
        const int f = ((r == 1 || r == 2) && c < 21) ? c + 1 : c;
        light(r + 2, f);
        if (f > 0)
            light(r + 2, f - 1);
        if (f > 1)
            light(r + 2, f - 2);
    }
    if (c > 1)
        light(r, c - 2);
    if (c < 20)
        light(r, c + 2);
    return lit;
}

void lightFireworkKey(KeyEffectState &state, int row, int column, int ring)
{
    if (!inside(row, column) || ring < 0 || ring >= kFireworkRings)
        return;
    LightCell &cell = state.cells[row][column];
    if (state.fullColor) {
        setCellColor(cell, LightTables::reactiveColorTable[kCountdownStart]);
        cell.level = 0;
        cell.state = 1;
        cell.step = kCountdownStart;
        return;
    }
    cell.level = KeyEffectState::fireworkLevelTable[ring];
    cell.state = 1;
}

// ---------------------------------------------------------------------------------------
// Auto Ripple

void initAutoRippleEffect(KeyEffectState &state)
{
    initRippleEffect(state);
    generateAutoRippleDraws(state);
}

void generateAutoRippleDraws(KeyEffectState &state)
{
    LightRandom random(kAutoRippleSeed);
    for (int i = 0; i < KeyEffectState::kAutoRippleDraws; ++i) {
        state.autoRippleColorDraws[i] = uint8_t(random.next() & 7);
        state.autoRippleStartDraws[i] = uint8_t(random.next() & 15);
    }
}

void renderAutoRippleFrame(KeyEffectState &state, uint32_t)
{
    renderDiamondCells(state);
    advanceAutoRipple(state);
}

void advanceAutoRipple(KeyEffectState &state)
{
    if (!cadence(state.accumulators->autoRippleAccumulator, kDiamondAdvance, kDiamondThreshold))
        return;
    RippleQueue &queue = state.ripples;
    if (queue.isFree(kAutoRippleSlot)) {
        startAutoRipple(state);
        return;
    }
    const bool lit = drawRippleDiamond(state, queue.rows[kAutoRippleSlot], queue.columns[kAutoRippleSlot],
                                       queue.radii[kAutoRippleSlot], queue.colors[kAutoRippleSlot]);
    settleEntry(state, kAutoRippleSlot, lit, true);
}

void startAutoRipple(KeyEffectState &state)
{
    constexpr int kDraws = KeyEffectState::kAutoRippleDraws;
    auto advance = [](uint8_t &cursor) { cursor = uint8_t(cursor + 1 >= kDraws ? 0 : cursor + 1); };
    RippleQueue &queue = state.ripples;
    advance(state.autoRippleColorCursor);
    queue.colors[kAutoRippleSlot] = state.autoRippleColorDraws[state.autoRippleColorCursor];
    advance(state.autoRippleStartCursor);
    int key = state.autoRippleStartDraws[state.autoRippleStartCursor];
    for (int redraws = 0; key >= kAutoRippleStartKeys; ++redraws) {
        if (redraws >= kAutoRippleRedraws) {
            key = 0;
            break;
        }
        advance(state.autoRippleStartCursor);
        key = state.autoRippleStartDraws[state.autoRippleStartCursor];
    }
    const uint8_t packed = KeyEffectState::autoRippleStartKeys[key];
    const int row = packed >> 5;
    const int column = packed & 0x1F;
    queue.rows[kAutoRippleSlot] = uint8_t(row);
    queue.columns[kAutoRippleSlot] = uint8_t(column);
    queue.order[kAutoRippleSlot] = uint8_t(kAutoRippleSlot);
    queue.radii[kAutoRippleSlot] = uint8_t((state.params.direction & 1) ? farEdgeRadius(column) : 0);
}

// ---------------------------------------------------------------------------------------
// Presses

void queueRipplePress(KeyEffectState &state, int row, int column)
{
    queuePress(state, row, column, (state.params.direction & 1) ? farEdgeRadius(column) : 0);
}

void queueBurstPress(KeyEffectState &state, int row, int column)
{
    queuePress(state, row, column, 0);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "MouseZoneEffects.h"

#include "LightPresetTables.h"
#include "MouseEffectMath.h"

#include <iterator>

namespace MouseEffects {

namespace {

constexpr int kHoldTicks = 7;

MouseZone &zoneOf(MouseEffectState &state, int cell)
{
    return cell == MouseEffectState::kScrollCell ? state.scroll : state.logo;
}

QColor breathColor(const BreathCycle &breath, int index)
{
    const uint8_t *rgb = breath.colors[index % BreathCycle::kMaxColors];
    return QColor(rgb[0], rgb[1], rgb[2]);
}

}  // namespace

void initBreathCells(MouseZone &zone, LightCell *cells, int count)
{
    BreathCycle &breath = zone.breath;
    breath.index = 0;
    breath.holdTicks = 0;
    breath.setHolding(false);
    if (zone.fullColor) {
        breath.count = BreathCycle::kMaxColors;
        for (int i = 0; i < BreathCycle::kMaxColors; ++i) {
            const LightTables::Rgb &rgb = LightTables::breathColorTable[i];
            breath.colors[i][0] = rgb.red;
            breath.colors[i][1] = rgb.green;
            breath.colors[i][2] = rgb.blue;
        }
    } else {
        // A black background breathes the colour with itself.
        const QColor second = zone.backgroundBlack() ? zone.foreground() : zone.background();
        breath.count = 2;
        const QColor first = zone.foreground();
        breath.colors[0][0] = uint8_t(first.red());
        breath.colors[0][1] = uint8_t(first.green());
        breath.colors[0][2] = uint8_t(first.blue());
        breath.colors[1][0] = uint8_t(second.red());
        breath.colors[1][1] = uint8_t(second.green());
        breath.colors[1][2] = uint8_t(second.blue());
    }
    for (int i = 0; i < count; ++i)
        setCell(cells[i], breathColor(breath, 0), 255, 2, 0);
}

void renderBreathCells(MouseZone &zone, LightCell *cells, QColor *colors, int count)
{
    BreathCycle &breath = zone.breath;
    if (breath.holding()) {
        if (++breath.holdTicks < kHoldTicks)
            return;
        breath.holdTicks = 0;
        breath.setHolding(false);
        if (++breath.index >= breath.count)
            breath.index = 0;
        for (int i = 0; i < count; ++i)
            setCell(cells[i], breathColor(breath, breath.index), 0, 1, 0);
        return;
    }
    const bool backgroundBlack = zone.backgroundBlack();
    for (int i = 0; i < count; ++i) {
        if (breath.holding())
            continue;
        LightCell &cell = cells[i];
        const uint8_t bound = LightColor::stepLevel(cell.level, 2, cell.state);
        if (bound == 1) {
            cell.state = 2;
        } else if (bound == 2) {
            breath.setHolding(true);
            cell.state = 1;
        }
        const QColor color = scale(cellColor(cell), cell.level);
        colors[i] = rendered(zone, color, !backgroundBlack || !isBlack(color) ? cell.level : 0);
    }
}

void initNeonCells(MouseZone &zone, LightCell *cells, int count)
{
    for (int i = 0; i < count; ++i) {
        if (zone.fullColor)
            setCell(cells[i], QColor(255, 0, 0), 255, 0, 0);
        else
            setCell(cells[i], zone.foreground(), 0, 1, 0);
    }
}

void renderNeonCells(MouseZone &zone, LightCell *cells, QColor *colors, int count)
{
    if (zone.fullColor) {
        for (int i = 0; i < count; ++i) {
            const QColor color = LightColor::stepHue(cellColor(cells[i]), 1, 6);
            setCellColor(cells[i], color);
            colors[i] = rendered(zone, color, 180);
        }
        return;
    }
    BreathCycle &hold = zone.breath;
    const QColor background = zone.background();
    const bool backgroundBlack = zone.backgroundBlack();
    for (int i = 0; i < count; ++i) {
        if (!hold.holding()) {
            LightCell &cell = cells[i];
            const uint8_t bound = LightColor::stepLevel(cell.level, 1, cell.state);
            if (bound == 1) {
                cell.state = 2;
            } else if (bound == 2) {
                hold.setHolding(true);
                cell.state = 1;
            }
            colors[i] =
                rendered(zone, blend(cellColor(cell), background, cell.level), backgroundBlack ? cell.level : 250);
        }
        if (hold.holding() && ++hold.holdTicks >= kHoldTicks) {
            hold.holdTicks = 0;
            hold.setHolding(false);
        }
    }
}

void initZoneStaticEffect(MouseEffectState &state, int cell)
{
    setCell(state.cells[cell], zoneOf(state, cell).foreground(), 255, 0, 0);
}

void renderZoneStaticFrame(MouseEffectState &state, int cell)
{
    const MouseZone &zone = zoneOf(state, cell);
    state.colors[cell] = rendered(zone, cellColor(state.cells[cell]), isBlack(zone.foreground()) ? 0 : 250);
}

void initZoneNeonEffect(MouseEffectState &state, int cell)
{
    initNeonCells(zoneOf(state, cell), &state.cells[cell], 1);
}

void renderZoneNeonFrame(MouseEffectState &state, int cell)
{
    renderNeonCells(zoneOf(state, cell), &state.cells[cell], &state.colors[cell], 1);
}

void initZoneBreathEffect(MouseEffectState &state, int cell)
{
    initBreathCells(zoneOf(state, cell), &state.cells[cell], 1);
}

void renderZoneBreathFrame(MouseEffectState &state, int cell)
{
    renderBreathCells(zoneOf(state, cell), &state.cells[cell], &state.colors[cell], 1);
}

void initZoneDpiEffect(MouseEffectState &state, int cell)
{
    setCell(state.cells[cell], state.dpiColor, 255, 0, 0);
}

void renderZoneDpiFrame(MouseEffectState &state, int cell)
{
    const QColor dpi(state.dpiColor.red(), state.dpiColor.green(), state.dpiColor.blue());
    state.colors[cell] = rendered(zoneOf(state, cell), dpi, isBlack(dpi) ? 0 : 250);
}

}  // namespace MouseEffects

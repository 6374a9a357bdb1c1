// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyRhythmEffect.h"

#include "KeyEffectRules.h"
#include "LightPresetTables.h"

#include <algorithm>
#include <iterator>

using namespace KeyEffectRules;

namespace {

constexpr int kRows = KeyEffectState::kRows;
constexpr int kColumns = KeyEffectState::kColumns;
constexpr int kHueAlpha = 180;
constexpr int kMaxLevelAlpha = 200;
constexpr int kFadeStep = 25;

template <std::size_t N>
QColor wrapped(const LightTables::Rgb (&table)[N], int band)
{
    return table[std::size_t(std::max(band, 0)) % N].color();
}

// The full-colour key colour of a band; a band past the table wraps round it.
QColor bandColor(int keyNum, int band)
{
    if (keyNum == 34)
        return wrapped(LightTables::rhythmColorTable34, band);
    if (keyNum == 21)
        return wrapped(LightTables::rhythmColorTable21, band);
    return wrapped(LightTables::rhythmColorTable, band);
}

}  // namespace

namespace KeyRhythm {

int columnCount(int keyNum)
{
    switch (keyNum) {
    case 34:
        return 7;
    case 61:
    case 62:
    case 63:
    case 65:
        return 15;
    case 68:
    case 69:
    case 84:
        return 16;
    case 82:
    case 83:
        return 17;
    case 87:
    case 88:
    case 91:
        return 18;
    case 98:
        return 19;
    default:
        return 22;
    }
}

int level(double value)
{
    static const double thresholds[] = {0.1, 0.25, 0.4, 0.55, 0.7};
    int result = 0;
    for (const double threshold : thresholds)
        if (value >= threshold)
            ++result;
    return result;
}

void layoutBands(int keyNum, int bandCount, QVector<int> &columnsPerBand, QMap<int, int> &bandOfColumn)
{
    columnsPerBand.clear();
    bandOfColumn.clear();
    const int columns = columnCount(keyNum);
    const int q = columns / bandCount;
    const int r = columns % bandCount;
    const int firstWide = bandCount / 2 - r / 2;
    for (int band = 0; band < bandCount; ++band)
        columnsPerBand << (r != 0 && band >= firstWide && band < firstWide + r ? q + 1 : q);
    while (columnsPerBand.size() < kMaxBands)
        columnsPerBand << 0;
    int column = 0;
    for (int band = 0; band < bandCount; ++band)
        for (int i = 0; i < columnsPerBand.at(band) && column < kColumns; ++i)
            bandOfColumn.insert(column++, band);
    while (column < kColumns)
        bandOfColumn.insert(column++, 0);
}

void drawRhythmBar(KeyEffectState &state, int barLevel, int firstColumn, int columnCount)
{
    for (int i = 0; i < kRows; ++i) {
        const int row = kRows - 1 - i;
        for (int column = std::max(firstColumn, 0); column < std::min(firstColumn + columnCount, kColumns); ++column) {
            LightCell &cell = state.cells[row][column];
            if (i <= barLevel) {
                cell.level = 255;
                cell.state = i == barLevel ? 2 : 0;
                cell.value = barLevel;
            } else {
                cell.level = 0;
                cell.state = 0;
                cell.value = 0;
            }
        }
    }
}

}  // namespace KeyRhythm

void initMusicalRhythmEffect(KeyEffectState &state)
{
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            const QColor color =
                state.fullColor ? bandColor(state.keyNum, state.rhythmBandOfColumn[column]) : foreground(state);
            state.cells[row][column] = LightCell{color.red(), color.green(), color.blue(), 0, 0, 0, 0};
        }
    }
}

void renderMusicalRhythmFrame(KeyEffectState &state, uint32_t)
{
    const QColor back = background(state);
    const bool blackBackground = backgroundBlack(state);
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            LightCell &cell = state.cells[row][column];
            if (LightColor::stepLevel(cell.level, kFadeStep, cell.state) != 0) {
                cell.state = 0;
                if (row < kRows - 1)
                    state.cells[row + 1][column].state = 2;
            }
            const int a = cell.value == 0 ? 0 : std::clamp(cell.level, 0, 255);
            const QColor color = blend(cellColor(cell), back, a);
            const bool black = color.red() == 0 && color.green() == 0 && color.blue() == 0;
            const int alpha = !blackBackground ? kHueAlpha : (black ? 0 : std::min(cell.level, kMaxLevelAlpha));
            finishKey(state, row, column, color, alpha);
        }
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyLevelTables.h"

#include "LightPresetTables.h"

namespace KeyLevels {

namespace {

using LightTables::LayoutFamily;

constexpr int kRows = 6;
constexpr int kColumns = 22;

constexpr uint8_t kWideLevelRamp[kColumns] = {10,  24,  48,  72,  96,  120, 144, 168, 192, 216, 240,
                                              240, 224, 200, 176, 152, 128, 104, 80,  56,  32,  10};
constexpr uint8_t kNarrowLevelRamp[kColumns] = {10,  39,  68,  97, 126, 155, 184, 213, 242, 241, 212,
                                                183, 154, 125, 96, 67,  38,  10,  0,   0,   0,   0};

constexpr uint8_t kWaveCenterLevels104[kRows][kColumns] = {
    {36, 84, 124, 166, 208, 240, 215, 174, 133, 92, 51, 92, 133, 174, 240, 208, 166, 124, 84, 40, 25, 10},
    {60, 122, 166, 208, 240, 215, 174, 133, 92, 51, 10, 51, 92, 153, 174, 235, 218, 166, 124, 84, 40, 25},
    {84, 144, 208, 240, 215, 174, 133, 92, 51, 10, 10, 51, 92, 133, 174, 200, 240, 218, 166, 124, 84, 40},
    {84, 124, 166, 208, 240, 215, 174, 133, 92, 51, 10, 51, 92, 133, 174, 240, 208, 166, 124, 82, 84, 25},
    {60, 84, 166, 208, 240, 215, 174, 133, 92, 51, 10, 51, 92, 133, 174, 240, 208, 166, 124, 82, 84, 25},
    {40, 84, 124, 166, 208, 240, 215, 174, 133, 92, 51, 92, 133, 174, 240, 208, 166, 124, 82, 84, 25, 10},
};
constexpr uint8_t kWaveCenterRising104[kColumns] = {63, 63, 63, 59, 33, 0,  0,  0,  0,  0,  0,
                                                    0,  0,  0,  0,  33, 59, 63, 63, 63, 63, 0};

// The other groups are drawn from their layout's centre frame: a key of ring r = 0 .. 11 takes
// level 10, 51, 92, 133, 174, 215, 240, 208, 166, 124, 84, 40 and starts rising exactly when
// r >= 7 (the swing of group 104's own table); a key whose colour lies off the ring palette takes
// the ring of the nearest palette colour; a position without a key holds 0.
constexpr uint8_t kWaveCenterLevels98[6][22] = {
    {124, 166, 208, 240, 215, 174, 133, 92, 51, 92, 133, 174, 215, 240, 208, 166, 124, 84, 40, 40, 0, 0},
    {166, 208, 240, 215, 174, 133, 92, 51, 10, 51, 92, 133, 174, 215, 240, 208, 166, 124, 84, 40, 0, 0},
    {208, 240, 215, 174, 133, 92, 51, 10, 10, 51, 92, 133, 174, 0, 215, 240, 208, 166, 124, 84, 0, 0},
    {166, 208, 240, 215, 174, 133, 92, 51, 10, 10, 51, 92, 133, 174, 215, 240, 208, 166, 124, 84, 0, 0},
    {166, 208, 240, 215, 174, 133, 92, 51, 10, 51, 92, 133, 174, 215, 215, 240, 208, 166, 124, 84, 0, 0},
    {166, 208, 240, 215, 174, 133, 92, 51, 51, 92, 133, 174, 215, 240, 208, 166, 124, 84, 40, 40, 0, 0},
};
constexpr uint8_t kWaveCenterRising98[22] = {63, 59, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 33, 35, 63, 63, 63, 63, 0, 0};
constexpr uint8_t kWaveCenterLevels83[6][22] = {
    {124, 166, 208, 240, 215, 174, 133, 92, 51, 92, 133, 174, 215, 240, 208, 166, 124, 84, 40, 40, 0, 0},
    {166, 208, 240, 215, 174, 133, 92, 51, 10, 51, 92, 133, 174, 215, 240, 208, 166, 124, 84, 40, 0, 0},
    {208, 240, 215, 174, 133, 92, 51, 10, 10, 51, 92, 133, 174, 0, 215, 240, 208, 166, 124, 84, 0, 0},
    {166, 208, 240, 215, 174, 133, 92, 51, 10, 10, 51, 92, 133, 174, 215, 240, 208, 166, 124, 84, 0, 0},
    {166, 208, 240, 215, 174, 133, 92, 51, 10, 51, 92, 133, 174, 0, 215, 240, 208, 166, 124, 84, 0, 0},
    {166, 208, 240, 215, 174, 133, 92, 51, 51, 92, 133, 174, 215, 240, 208, 166, 124, 84, 40, 40, 0, 0},
};
constexpr uint8_t kWaveCenterRising83[22] = {63, 59, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 33, 35, 63, 63, 63, 63, 0, 0};
constexpr uint8_t kWaveCenterLevels82[6][22] = {
    {166, 208, 240, 215, 174, 133, 92, 51, 92, 133, 174, 215, 240, 208, 166, 124, 84, 40, 40, 0, 0, 0},
    {208, 240, 215, 174, 133, 92, 51, 10, 51, 92, 133, 174, 215, 240, 208, 166, 124, 84, 40, 0, 0, 0},
    {240, 215, 174, 133, 92, 51, 10, 10, 51, 92, 133, 174, 215, 0, 240, 208, 166, 124, 84, 0, 0, 0},
    {240, 0, 215, 174, 133, 92, 51, 10, 10, 51, 92, 133, 174, 215, 240, 208, 166, 124, 84, 0, 0, 0},
    {240, 0, 215, 174, 133, 92, 51, 10, 51, 92, 133, 174, 215, 240, 208, 166, 124, 84, 0, 0, 0, 0},
    {208, 240, 215, 174, 133, 92, 51, 10, 51, 92, 133, 174, 215, 240, 208, 166, 124, 84, 40, 40, 0, 0},
};
constexpr uint8_t kWaveCenterRising82[22] = {35, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 51, 63, 63, 63, 47, 32, 0, 0};
constexpr uint8_t kWaveCenterLevels61[6][22] = {
    {166, 208, 240, 215, 174, 133, 92, 51, 92, 133, 174, 215, 240, 208, 166, 124, 84, 40, 40, 0, 0, 0},
    {208, 240, 215, 174, 133, 92, 51, 10, 51, 92, 133, 174, 215, 240, 208, 166, 124, 84, 40, 0, 0, 0},
    {240, 215, 174, 133, 92, 51, 10, 10, 51, 92, 133, 174, 215, 215, 240, 208, 166, 124, 84, 0, 0, 0},
    {208, 240, 215, 174, 133, 92, 51, 10, 10, 51, 92, 133, 174, 215, 240, 208, 166, 124, 84, 0, 0, 0},
    {208, 240, 215, 174, 133, 92, 51, 10, 51, 92, 133, 174, 174, 215, 240, 208, 166, 124, 84, 0, 0, 0},
    {208, 240, 215, 174, 133, 92, 51, 51, 92, 133, 174, 215, 240, 208, 166, 124, 84, 40, 40, 0, 0, 0},
};
constexpr uint8_t kWaveCenterRising61[22] = {59, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 33, 35, 63, 63, 63, 63, 0, 0, 0};
constexpr uint8_t kWaveCenterLevels34[6][22] = {
    {174, 133, 92, 51, 92, 133, 174, 215, 240, 208, 166, 124, 84, 40, 40, 84, 0, 124, 166, 208, 240, 215},
    {133, 92, 51, 10, 51, 92, 133, 174, 215, 240, 208, 166, 124, 84, 40, 84, 124, 166, 208, 240, 215, 174},
    {92, 51, 10, 10, 51, 92, 133, 133, 174, 215, 240, 208, 166, 124, 84, 124, 166, 208, 240, 215, 174, 133},
    {84, 124, 166, 10, 10, 51, 92, 133, 174, 215, 240, 208, 166, 124, 84, 240, 215, 174, 133, 92, 51, 10},
    {133, 92, 51, 10, 51, 92, 133, 133, 174, 215, 240, 208, 166, 124, 84, 84, 124, 166, 208, 240, 215, 174},
    {133, 92, 51, 51, 92, 133, 174, 215, 240, 208, 166, 124, 84, 40, 40, 84, 124, 166, 208, 240, 215, 174},
};
constexpr uint8_t kWaveCenterRising34[22] = {8,  8,  8,  0,  0,  0,  0,  0,  0, 33, 35,
                                             63, 63, 63, 63, 55, 54, 55, 51, 1, 0,  0};
constexpr uint8_t kWaveCenterLevels21[6][22] = {
    {174, 51, 174, 215, 240, 208, 166, 124, 84, 40, 40, 84, 0, 124, 166, 208, 240, 215, 133, 92, 92, 133},
    {133, 10, 133, 174, 215, 240, 208, 166, 124, 84, 40, 84, 124, 166, 208, 240, 215, 174, 92, 51, 51, 92},
    {92, 10, 133, 133, 174, 215, 240, 208, 166, 124, 84, 124, 166, 208, 240, 215, 174, 133, 51, 10, 10, 92},
    {84, 10, 92, 133, 174, 215, 240, 208, 166, 124, 84, 240, 215, 174, 133, 92, 51, 10, 51, 10, 10, 51},
    {133, 10, 133, 133, 174, 215, 240, 208, 166, 124, 84, 84, 124, 166, 208, 240, 215, 174, 92, 51, 51, 92},
    {133, 51, 174, 215, 240, 208, 166, 124, 84, 40, 40, 84, 124, 166, 208, 240, 215, 174, 92, 51, 92, 133},
};
constexpr uint8_t kWaveCenterRising21[22] = {8,  0,  0,  0,  0, 33, 35, 63, 63, 63, 63,
                                             55, 54, 55, 51, 1, 0,  0,  0,  0,  0,  0};

constexpr uint8_t kRadarLevels104[kRows][kColumns] = {
    {154, 156, 160, 164, 168, 174, 186, 196, 214, 238, 254, 214, 192, 178, 168, 154, 148, 144, 140, 136, 130, 106},
    {148, 132, 154, 156, 158, 164, 172, 178, 194, 224, 244, 190, 170, 160, 146, 134, 132, 130, 128, 126, 124, 120},
    {138, 140, 142, 144, 146, 146, 148, 152, 156, 162, 202, 178, 136, 128, 124, 122, 120, 120, 118, 116, 114, 112},
    {132, 132, 130, 128, 126, 124, 124, 124, 118, 112, 46, 54, 86, 72, 98, 100, 100, 102, 104, 106, 108, 108},
    {110, 106, 102, 98, 94, 92, 88, 80, 60, 46, 12, 32, 54, 68, 72, 80, 88, 90, 92, 94, 96, 98},
    {112, 98, 94, 92, 88, 86, 84, 64, 44, 24, 2, 22, 44, 54, 74, 76, 78, 82, 84, 86, 88, 92},
};

bool inMatrix(int row, int column)
{
    return row >= 0 && row < kRows && column >= 0 && column < kColumns;
}

bool narrowRamp(LayoutFamily family)
{
    return family == LayoutFamily::Family83 || family == LayoutFamily::Family82 || family == LayoutFamily::Family61
           || family == LayoutFamily::Family63 || family == LayoutFamily::Family68;
}

struct CenterGroup {
    const uint8_t (*levels)[kColumns];
    const uint8_t *rising;
};

CenterGroup centerGroup(int keyNum)
{
    switch (LightTables::layoutFamily(keyNum)) {
    case LayoutFamily::Family98:
        return {kWaveCenterLevels98, kWaveCenterRising98};
    case LayoutFamily::Family83:
        return {kWaveCenterLevels83, kWaveCenterRising83};
    case LayoutFamily::Family82:
        return {kWaveCenterLevels82, kWaveCenterRising82};
    case LayoutFamily::Family61:
    case LayoutFamily::Family63:
    case LayoutFamily::Family68:
        return {kWaveCenterLevels61, kWaveCenterRising61};
    case LayoutFamily::Family34:
        return {kWaveCenterLevels34, kWaveCenterRising34};
    case LayoutFamily::Family21:
        return {kWaveCenterLevels21, kWaveCenterRising21};
    default:
        return {kWaveCenterLevels104, kWaveCenterRising104};
    }
}

// The Radar groups are cut from group 104's picture: the column of that picture a key reads
// (-1 for none), and the row.
int radarSourceColumn(LayoutFamily family, int column)
{
    switch (family) {
    case LayoutFamily::Family98:
        return column <= 18 ? column + 2 : -1;
    case LayoutFamily::Family83:
        return column <= 17 ? column + 2 : -1;
    case LayoutFamily::Family82:
    case LayoutFamily::Family61:
    case LayoutFamily::Family63:
    case LayoutFamily::Family68:
        return column <= 16 ? column + 3 : -1;
    case LayoutFamily::Family34:
        return (column + 7) % kColumns;
    case LayoutFamily::Family21:
        return column < 18 ? column : column - 10;
    default:
        return column;
    }
}

bool movedDownOneRow(LayoutFamily family)
{
    return family == LayoutFamily::Family61 || family == LayoutFamily::Family63 || family == LayoutFamily::Family68;
}

struct SnackBlock {
    int firstRow;
    int columns;
};

SnackBlock snackBlock(int keyNum)
{
    switch (LightTables::layoutFamily(keyNum)) {
    case LayoutFamily::Family98:
        return {0, 19};
    case LayoutFamily::Family83:
        return {0, 18};
    case LayoutFamily::Family82:
        return {0, 16};
    case LayoutFamily::Family61:
    case LayoutFamily::Family63:
        return {1, 15};
    case LayoutFamily::Family68:
        return {1, 16};
    default:
        return {0, kColumns};
    }
}

}  // namespace

int waveLevelRamp(int keyNum, int column)
{
    if (column < 0 || column >= kColumns)
        return 0;
    return narrowRamp(LightTables::layoutFamily(keyNum)) ? kNarrowLevelRamp[column] : kWideLevelRamp[column];
}

int waveCenterLevel(int keyNum, int row, int column)
{
    return inMatrix(row, column) ? centerGroup(keyNum).levels[row][column] : 0;
}

bool waveCenterRising(int keyNum, int row, int column)
{
    return inMatrix(row, column) && (centerGroup(keyNum).rising[column] >> row) & 1;
}

int radarLevel(int keyNum, int row, int column)
{
    if (!inMatrix(row, column))
        return 0;
    const LayoutFamily family = LightTables::layoutFamily(keyNum);
    const int source = radarSourceColumn(family, column);
    if (source < 0)
        return 0;
    const int sourceRow = movedDownOneRow(family) ? (row == 0 ? 0 : row - 1) : row;
    return kRadarLevels104[sourceRow][source];
}

bool radarFalling(int keyNum, int row, int column)
{
    if (!inMatrix(row, column))
        return false;
    int mask = 0;
    switch (LightTables::layoutFamily(keyNum)) {
    case LayoutFamily::Family98:
    case LayoutFamily::Family83:
        mask = column <= 8 ? 63 : 0;
        break;
    case LayoutFamily::Family82:
    case LayoutFamily::Family61:
    case LayoutFamily::Family63:
    case LayoutFamily::Family68:
        mask = column <= 7 ? 63 : 0;
        break;
    case LayoutFamily::Family34: {
        static constexpr uint8_t masks[kColumns] = {63, 63, 63, 56, 0,  0,  0,  0,  0,  0,  0,
                                                    0,  0,  0,  0,  63, 63, 63, 63, 63, 63, 63};
        mask = masks[column];
        break;
    }
    case LayoutFamily::Family21: {
        static constexpr uint8_t masks[kColumns] = {63, 63, 63, 63, 63, 63, 63, 63, 63, 63, 56,
                                                    0,  0,  0,  0,  0,  0,  0,  63, 63, 56, 0};
        mask = masks[column];
        break;
    }
    default:
        mask = column <= 9 ? 63 : (column == 10 ? 56 : 0);
        break;
    }
    return (mask >> row) & 1;
}

int snackPathLength(int keyNum)
{
    const SnackBlock block = snackBlock(keyNum);
    return (kRows - block.firstRow) * block.columns;
}

void snackPathKey(int keyNum, int position, int &row, int &column)
{
    const SnackBlock block = snackBlock(keyNum);
    const int length = (kRows - block.firstRow) * block.columns;
    position %= length;
    if (position < 0)
        position += length;
    const int pathRow = position / block.columns;
    const int offset = position % block.columns;
    row = block.firstRow + pathRow;
    column = (pathRow % 2 == 0) ? offset : block.columns - 1 - offset;
}

}  // namespace KeyLevels

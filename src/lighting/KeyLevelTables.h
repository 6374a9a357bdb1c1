// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The level pictures of the single-colour Wave and Radar and the path of Snack, by layout code
// (the model's key count; a code no family lists takes the 104 family). A position outside the
// 6 by 22 matrix reads level 0, not rising and not falling.

#include <cstdint>

namespace KeyLevels {

// Wave Right and Left: the starting level of a column (all rows alike).
int waveLevelRamp(int keyNum, int column);
// Wave Dispersion and Gather: the starting level of a key, and whether it starts rising.
int waveCenterLevel(int keyNum, int row, int column);
bool waveCenterRising(int keyNum, int row, int column);
// Radar: the starting level of a key, and whether it starts falling.
int radarLevel(int keyNum, int row, int column);
bool radarFalling(int keyNum, int row, int column);

// Snack: the serpentine path over the layout's block of keys; position is taken modulo the
// path's length.
int snackPathLength(int keyNum);
void snackPathKey(int keyNum, int position, int &row, int &column);

}  // namespace KeyLevels

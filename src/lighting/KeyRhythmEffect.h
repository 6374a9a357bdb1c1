// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Musical Rhythm: the keys as a level meter of the sound the computer plays. The sound side
// (capture, analysis, bands) lives in the engine; here are the band layout over the key
// columns, the bars, and the effect's initialiser and renderer.

#include "KeyEffectState.h"

#include <QMap>
#include <QVector>

#include <cstdint>

namespace KeyRhythm {

constexpr int kMaxBands = KeyEffectState::kColumns;
constexpr int kLevels = 6;  // bar levels 0 .. 5

// Key columns a layout gives the bars.
int columnCount(int keyNum);
// The band level of a band value: 0 below 0.1, then 1 .. 5 at 0.1, 0.25, 0.4, 0.55 and 0.7.
int level(double value);
// Columns per band (padded with 0 to 22 entries) and the band of each column 0 .. 21; the extra
// columns of an uneven split go to the middle bands, columns left over to band 0. bandCount
// must lie in 1 .. 22.
void layoutBands(int keyNum, int bandCount, QVector<int> &columnsPerBand, QMap<int, int> &bandOfColumn);
// The bar of a band: rows from the bottom up to its level lit, the top one fading.
void drawRhythmBar(KeyEffectState &state, int level, int firstColumn, int columnCount);

}  // namespace KeyRhythm

void initMusicalRhythmEffect(KeyEffectState &state);
void renderMusicalRhythmFrame(KeyEffectState &state, uint32_t frame);

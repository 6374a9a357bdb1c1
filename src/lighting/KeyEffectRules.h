// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules every key renderer shares: the level blend, the shown colour of a cell, the alpha
// rules and the finishing of a key colour, and the pause at the bottom of a level swing.

#include "KeyEffectState.h"

#include <QColor>

namespace KeyEffectRules {

// (c * level + (255 - level) * b) / 256 per channel.
int blend(int c, int b, int level);
QColor blend(const QColor &c, const QColor &b, int level);
QColor cellColor(const LightCell &cell);
QColor background(const KeyEffectState &state);
QColor foreground(const KeyEffectState &state);
bool backgroundBlack(const KeyEffectState &state);

// The blend of a cell's colour over its base by its level: the reactive palette entry its
// countdown has reached in the full-colour reactive effects, the background otherwise.
QColor cellDisplayColor(const KeyEffectState &state, int row, int column);

// Alpha rules: plain (180 over a background, else the level up to 200) and countdown (as plain,
// but 180 while the cell's countdown runs).
int plainAlpha(const KeyEffectState &state, const LightCell &cell);
int countdownAlpha(const KeyEffectState &state, const LightCell &cell);

// Gives the key its colour with the alpha, dimmed by the brightness.
void finishKey(KeyEffectState &state, int row, int column, const QColor &color, int alpha);

// The colour countdown of a reactive key: the level swings by step in the cell's state; at
// each bound the countdown in `step` goes down by one, an odd count takes that entry of the
// reactive palette, and the swing turns, until the last fall ends with the cell at rest.
void stepColorCountdown(LightCell &cell, int step);

// One step of the pause at the bottom of a level swing: it ends on the seventh step.
void stepLevelPause(KeyEffectState &state);

}  // namespace KeyEffectRules

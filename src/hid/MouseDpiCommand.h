// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The mouse's DPI command 0x41: the six DPI levels with their sensor codes and colours, and the
// level in use.

#include "XmlRecords.h"

#include <QByteArray>
#include <QList>
#include <QMap>

namespace MouseDpiCommand {

constexpr int kLevels = 6;
constexpr int kMinDpi = 200;
constexpr int kMaxDpi = 5000;
constexpr int kDpiStep = 100;

// A DPI value on the sensor's grid: cut to whole hundreds and kept within 200 to 5000.
int dpiOnGrid(int dpi);
// A colour component kept within 0 to 255.
int colorComponent(int value);

// The first item of each level 1 to 6, in level order; a level without an item is left out.
QList<DpiItemInfo> firstItemPerLevel(const QList<DpiItemInfo> &items);

// The 64-byte report: byte 6 the active level minus 1, then per level 1 to 6 (taken from its first
// item) its select state, the sensor codes of X and Y and its colour, and a closing 1. dpiCodes maps
// each grid value to its sensor code; a value off the grid is put on it first. Empty when the active
// level is not one of 1 to 6: the mouse would take another level than the one stored.
QByteArray buildReport(const QList<DpiItemInfo> &items, int activeLevel, const QMap<int, int> &dpiCodes);

}  // namespace MouseDpiCommand

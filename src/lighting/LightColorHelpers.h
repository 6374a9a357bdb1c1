#pragma once
// Plain colour arithmetic shared by every keyboard and mouse effect.

#include <QColor>
#include <QMap>

#include <cstdint>

namespace LightColor {

// value - amount, but never below 0.
int32_t subtractFloor(int32_t value, int32_t amount);
// value + amount, but never above 255.
int32_t addCeiling(int32_t value, int32_t amount);

// Moves level by step in the direction state gives (1 rising, 2 falling; any other state
// leaves it alone). Returns the state (1 or 2) on the call that finds the move would cross
// 255 or 0 and puts level on that bound, else 0: a level that lands exactly on a bound is
// reported one call later.
uint8_t stepLevel(int32_t &level, int32_t step, int32_t state);

// One step along the ring of fully saturated hues. Bit 0 of direction set: red, yellow,
// green, cyan, blue, magenta, red; clear: the other way round. A colour off the ring comes
// back unchanged. Alpha is kept.
QColor stepHue(const QColor &color, uint8_t direction, uint8_t step);
// stepHue with mode 1 (bit 0 set) or 0 (clear); any other mode leaves the colour unchanged.
QColor stepHueByMode(const QColor &color, int32_t mode, int32_t step);

// The brightness map of a zone with levelCount levels: level i (1 .. levelCount) maps to
// levelCount + 1 - i.
QMap<int, int> brightnessMap(int levelCount);
// The QColor::darker factor for a brightness (stored plus 1) against its map: 100 at full
// brightness, darkStep more for each level below. A brightness outside the map takes the
// nearest level; before the map exists (the device has not told its maxima) nothing dims.
int dimFactor(const QMap<int, int> &map, int brightness, int darkStep);
// color.darker(factor) with the colour's alpha kept.
QColor dim(const QColor &color, int factor);

}  // namespace LightColor

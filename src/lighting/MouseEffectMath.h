// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The colour arithmetic of the mouse zone effects.

#include "LightCell.h"
#include "LightPresetTables.h"
#include "MouseEffectState.h"

#include <QColor>

#include <algorithm>

namespace MouseEffects {

inline int channel(int32_t value)
{
    return std::clamp<int32_t>(value, 0, 255);
}

// c weighted by w against b, per channel: (c * w + (255 - w) * b) / 256. Dividing by 256 makes
// a full-weight blend one step darker than c.
inline QColor blend(const QColor &c, const QColor &b, int w)
{
    w = std::clamp(w, 0, 255);
    return QColor((c.red() * w + (255 - w) * b.red()) / 256, (c.green() * w + (255 - w) * b.green()) / 256,
                  (c.blue() * w + (255 - w) * b.blue()) / 256);
}

inline QColor scale(const QColor &c, int w)
{
    return blend(c, QColor(0, 0, 0), w);
}

inline bool isBlack(const QColor &c)
{
    return c.red() == 0 && c.green() == 0 && c.blue() == 0;
}

inline QColor cellColor(const LightCell &cell)
{
    return QColor(channel(cell.red), channel(cell.green), channel(cell.blue));
}

inline void setCell(LightCell &cell, const QColor &color, int level, int state, int step)
{
    cell.red = color.red();
    cell.green = color.green();
    cell.blue = color.blue();
    cell.level = level;
    cell.state = state;
    cell.step = step;
}

inline void setCellColor(LightCell &cell, const QColor &color)
{
    cell.red = color.red();
    cell.green = color.green();
    cell.blue = color.blue();
}

// A rendered colour: opaque colour, then the mode's alpha, then the zone's dimming.
inline QColor rendered(const MouseZone &zone, const QColor &color, int alpha)
{
    return zone.dimmed(QColor(color.red(), color.green(), color.blue(), std::clamp(alpha, 0, 255)));
}

inline QColor paletteColor(const LightTables::Rgb *table, int size, int index)
{
    return table[std::clamp(index, 0, size - 1)].color();
}

}  // namespace MouseEffects

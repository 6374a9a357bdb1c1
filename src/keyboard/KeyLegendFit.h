// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a key's legend is drawn inside its key: the legend in the key's font when it fits; else on
// two lines when the key is tall enough; else the key's usual short legend ("Num Lock" -> "Num");
// else in a smaller font, down to a size that stays readable; only then cut short with an ellipsis.
// Shared by every painter of key legends (the keyboard view, the on-screen and on-board keyboards).

#include <QFont>
#include <QRect>
#include <QString>

struct KeyLegend {
    QFont font;
    QString text;       // may hold one line break
    bool whole = true;  // false: even the smallest font could not hold it, the text is elided
};

namespace KeyLegendFit {

// The smallest font a legend is shrunk to, in pixels.
constexpr int kMinPixelSize = 7;

// The legend and font to draw in the area (the key's rectangle less its border).
KeyLegend fit(const QString &legend, const QFont &font, const QRect &area);

// The short legend of a long key name, or an empty string when the name has none.
QString shortLegend(const QString &legend);

// Whether the text (lines split at '\n') fits the size in the font.
bool fits(const QString &text, const QFont &font, const QSize &size);

}  // namespace KeyLegendFit

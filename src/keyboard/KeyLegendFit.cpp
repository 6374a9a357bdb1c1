// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyLegendFit.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QHash>
#include <QStringList>

#include <cmath>

namespace KeyLegendFit {

namespace {

// How many pixels a legend may shrink before its short legend is preferred.
constexpr int kSlightShrink = 2;

// The usual short legends of the keys whose names are long.
const QHash<QString, QString> &shortLegends()
{
    static const QHash<QString, QString> table{
        {QStringLiteral("Num Lock"), QStringLiteral("Num")},
        {QStringLiteral("Caps Lock"), QStringLiteral("Caps")},
        {QStringLiteral("Scroll Lock"), QStringLiteral("ScrLk")},
        {QStringLiteral("Insert"), QStringLiteral("Ins")},
        {QStringLiteral("Delete"), QStringLiteral("Del")},
        {QStringLiteral("Backspace"), QStringLiteral("Bksp")},
        {QStringLiteral("Print Screen"), QStringLiteral("PrtSc")},
        {QStringLiteral("PrintScreen"), QStringLiteral("PrtSc")},
        {QStringLiteral("Page Up"), QStringLiteral("PgUp")},
        {QStringLiteral("Page Down"), QStringLiteral("PgDn")},
        {QStringLiteral("Pause Break"), QStringLiteral("Pause")},
        {QStringLiteral("Escape"), QStringLiteral("Esc")},
        {QStringLiteral("Win/Command"), QStringLiteral("Win")},
        {QStringLiteral("Calculator"), QStringLiteral("Calc")},
        {QStringLiteral("Korean/English"), QStringLiteral("Kor/Eng")},
        {QStringLiteral("Up"), QStringLiteral("\u2191")},
        {QStringLiteral("Down"), QStringLiteral("\u2193")},
        {QStringLiteral("Left"), QStringLiteral("\u2190")},
        {QStringLiteral("Right"), QStringLiteral("\u2192")},
        {QStringLiteral("Home"), QStringLiteral("Hm")},
        {QStringLiteral("Pause"), QStringLiteral("Pse")},
        {QStringLiteral("PgUp"), QStringLiteral("PU")},
        {QStringLiteral("PgDn"), QStringLiteral("PD")},
        {QStringLiteral("PrtSc"), QStringLiteral("PS")},
        {QStringLiteral("ScrLk"), QStringLiteral("SL")},
        {QStringLiteral("Enter"), QStringLiteral("\u21b5")},
    };
    return table;
}

// The text on two lines, broken at the space (dropped) or after the '+' or '/' (kept) nearest its
// middle; empty when it has no such place.
QString twoLines(const QString &text)
{
    if (text.contains(QLatin1Char('\n')))
        return QString();
    int best = -1;
    for (int i = 1; i < text.size() - 1; ++i) {
        const QChar c = text.at(i);
        const int cut = c == QLatin1Char(' ') ? i : (c == QLatin1Char('+') || c == QLatin1Char('/')) ? i + 1 : -1;
        if (cut > 0 && (best < 0 || std::abs(cut - text.size() / 2) < std::abs(best - text.size() / 2)))
            best = cut;
    }
    if (best < 0)
        return QString();
    const bool dropSpace = text.at(best) == QLatin1Char(' ');
    return text.left(best) + QLatin1Char('\n') + text.mid(dropSpace ? best + 1 : best);
}

// The font at the given pixel size, keeping everything else.
QFont atPixelSize(const QFont &font, int pixels)
{
    QFont smaller = font;
    smaller.setPixelSize(pixels);
    return smaller;
}

int pixelSizeOf(const QFont &font)
{
    if (font.pixelSize() > 0)
        return font.pixelSize();
    return QFontInfo(font).pixelSize();
}

// The first of the candidate texts that fits in the font, the one-line forms before the two-line ones.
QString firstFitting(const QStringList &candidates, const QFont &font, const QSize &size)
{
    for (const QString &text : candidates) {
        if (fits(text, font, size))
            return text;
    }
    return QString();
}

}  // namespace

QString shortLegend(const QString &legend)
{
    return shortLegends().value(legend.trimmed());
}

bool fits(const QString &text, const QFont &font, const QSize &size)
{
    const QFontMetricsF metrics(font);
    const QStringList lines = text.split(QLatin1Char('\n'));
    if (metrics.height() * lines.size() > size.height() + 0.5)
        return false;
    for (const QString &line : lines) {
        if (metrics.horizontalAdvance(line) > size.width() + 0.5)
            return false;
    }
    return true;
}

KeyLegend fit(const QString &legend, const QFont &font, const QRect &area)
{
    const QSize size = area.size();
    if (legend.isEmpty() || fits(legend, font, size))
        return {font, legend, true};

    QStringList whole{legend};
    const QString wrapped = twoLines(legend);
    if (!wrapped.isEmpty())
        whole.append(wrapped);
    const QString shortText = shortLegend(legend);

    // The whole legend a little smaller; then the short legend, from the key's own font down; then
    // the whole legend down to the smallest font.
    const int start = pixelSizeOf(font);
    struct Pass {
        QStringList texts;
        int from;
        int to;
    };
    const Pass passes[] = {
        {whole, start, qMax(start - kSlightShrink, int(kMinPixelSize))},
        {shortText.isEmpty() ? QStringList() : QStringList{shortText}, start, kMinPixelSize},
        {whole, start - kSlightShrink - 1, kMinPixelSize},
    };
    for (const Pass &pass : passes) {
        for (int pixels = pass.from; pixels >= pass.to && !pass.texts.isEmpty(); --pixels) {
            const QFont candidateFont = pixels == start ? font : atPixelSize(font, pixels);
            const QString text = firstFitting(pass.texts, candidateFont, size);
            if (!text.isEmpty())
                return {candidateFont, text, true};
        }
    }

    const QFont smallest = atPixelSize(font, qMin(start, int(kMinPixelSize)));
    const QString shortest = shortText.isEmpty() ? legend : shortText;
    return {smallest, QFontMetrics(smallest).elidedText(shortest, Qt::ElideRight, size.width()), false};
}

}  // namespace KeyLegendFit

// SPDX-License-Identifier: GPL-3.0-or-later
#include "NameText.h"

#include <QVector>

namespace {

// The text without the code points of the categories; format characters outside the basic plane
// (tag characters, for one) come as surrogate pairs, so whole code points are looked at.
QString without(const QString &text, bool controlsToo)
{
    const QVector<uint> points = text.toUcs4();
    QVector<uint> kept;
    kept.reserve(points.size());
    for (const uint point : points) {
        const QChar::Category category = QChar::category(point);
        if (category != QChar::Other_Format && !(controlsToo && category == QChar::Other_Control))
            kept.append(point);
    }
    if (kept.size() == points.size())
        return text;
    return QString::fromUcs4(kept.constData(), kept.size());
}

}  // namespace

QString NameText::cleaned(const QString &name)
{
    return without(name, true);
}

QString NameText::withoutFormatCharacters(const QString &text)
{
    return without(text, false);
}

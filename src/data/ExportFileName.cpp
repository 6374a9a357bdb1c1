// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExportFileName.h"

#include <algorithm>

namespace {

bool isUnsafe(QChar c)
{
    static const QString kReserved = QStringLiteral("/\\:*?\"<>|");
    return c.category() == QChar::Other_Control || c.category() == QChar::Other_Format || kReserved.contains(c);
}

}  // namespace

QString ExportFileName::safeBaseName(const QString &name, const QString &fallback)
{
    QString result;
    result.reserve(name.size());
    for (const QChar c : name)
        result.append(isUnsafe(c) ? QLatin1Char('_') : c);

    // No hidden files and no "." or "..": leading dots and blanks go, trailing ones too.
    int start = 0;
    while (start < result.size() && (result.at(start) == QLatin1Char('.') || result.at(start).isSpace()))
        ++start;
    int end = result.size();
    while (end > start && (result.at(end - 1) == QLatin1Char('.') || result.at(end - 1).isSpace()))
        --end;
    result = result.mid(start, end - start);

    // Cut whole characters (never half a surrogate pair) until the UTF-8 form fits.
    while (result.toUtf8().size() > MaxBytes) {
        result.chop(1);
        if (!result.isEmpty() && result.at(result.size() - 1).isHighSurrogate())
            result.chop(1);
    }
    // What is left of a name like "../.." (only '_' and dots) says nothing: the fallback is clearer.
    const bool meaningful = std::any_of(result.cbegin(), result.cend(), [](QChar c) {
        return c != QLatin1Char('_') && c != QLatin1Char('.') && !c.isSpace();
    });
    return meaningful ? result : fallback;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExportFileName.h"

#include "NameText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

bool isTrimmed(QChar c)
{
    return c == QLatin1Char('.') || c.isSpace();
}

}  // namespace

QString ExportFileName::baseName(const QString &name, const QString &fallback)
{
    // Format characters go first: a right-to-left override would show "x<RLO>lmx.exe" as
    // "xexe.xml".
    const QString visible = NameText::withoutFormatCharacters(name);
    QString safe;
    safe.reserve(visible.size());
    for (const QChar c : visible) {
        const bool replaced = c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control;
        safe.append(replaced ? QLatin1Char('_') : c);
    }
    int start = 0;
    int end = safe.size();
    while (start < end && isTrimmed(safe.at(start)))
        ++start;
    while (end > start && isTrimmed(safe.at(end - 1)))
        --end;
    safe = safe.mid(start, end - start);

    // Cut whole characters (a surrogate pair stays together) until the encoded name fits.
    while (QFile::encodeName(safe).size() > kMaxBytes) {
        int cut = safe.size() - 1;
        if (cut > 0 && safe.at(cut).isLowSurrogate())
            --cut;
        safe.truncate(cut);
    }
    while (!safe.isEmpty() && isTrimmed(safe.at(safe.size() - 1)))
        safe.chop(1);

    if (safe.isEmpty() || safe == QLatin1String(".") || safe == QLatin1String(".."))
        return fallback;
    return safe;
}

QString ExportFileName::pathIn(const QString &folder, const QString &baseName, const QString &suffix)
{
    if (folder.isEmpty() || baseName.isEmpty() || baseName == QLatin1String(".") || baseName == QLatin1String("..")
        || baseName.contains(QLatin1Char('/')) || baseName.contains(QLatin1Char('\\')))
        return QString();
    const QString cleanFolder = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    const QString path = QDir::cleanPath(cleanFolder + QLatin1Char('/') + baseName + suffix);
    if (QFileInfo(path).absolutePath() != cleanFolder)
        return QString();
    return path;
}

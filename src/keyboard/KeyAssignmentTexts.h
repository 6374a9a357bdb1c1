// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The words that tell what a key assignment does: a macro's play mode, a key combination, a
// multimedia, mouse or shortcut function. One place for the hover card, the custom event list and
// the on-board view. A value the table does not know gives an empty text.

#include <QCoreApplication>
#include <QMap>
#include <QString>

class KeyAssignmentTexts
{
    Q_DECLARE_TR_FUNCTIONS(KeyAssignmentTexts)

public:
    // `mode` 1 to 4.
    static QString playModeText(int mode);
    // "bits,code": the modifier names of bits 0 to 7 and the key's name from the map, joined by "+".
    static QString combinationText(const QString &value, const QMap<int, QString> &keyNames);
    // 0 to 6 and 8 to 12.
    static QString multimediaText(int value);
    // 0 to 6 (the sniper key has no text).
    static QString mouseText(int value);
    // 0 and 2 to 11.
    static QString shortcutText(int value);
};

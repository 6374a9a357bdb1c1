// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The names the user gives things (profiles, macros) and the names taken from files made
// elsewhere, as they are stored and shown: without control characters and without format
// characters (Unicode category Cf: the right-to-left override and its kin, zero-width marks),
// which would make a name look like another one ("Fire<U+202E>lmx.exe" shows as "Fireexe.xml").

#include <QString>

class NameText
{
public:
    static QString cleaned(const QString &name);
    // The text without its format characters alone.
    static QString withoutFormatCharacters(const QString &text);
};

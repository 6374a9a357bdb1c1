// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The file name under which a named thing (a macro, a profile, an on-board configuration) is
// exported into a folder the user chose: the name made safe for a file name, and the path checked
// to lie directly in that folder.

#include <QString>

class ExportFileName
{
public:
    // The longest base name, in bytes of the file system's encoding.
    static constexpr int kMaxBytes = 200;

    // The name without format characters (Unicode Cf), with '/', '\' and control characters
    // replaced by '_', dots and blanks trimmed at both ends, cut to kMaxBytes at a character
    // boundary; the fallback when that leaves nothing, "." or "..".
    static QString baseName(const QString &name, const QString &fallback);
    // folder/baseName + suffix, cleaned; empty for a base name that is no plain file name ("", ".",
    // "..", with a slash or backslash) or when the result would not lie directly in the folder.
    static QString pathIn(const QString &folder, const QString &baseName, const QString &suffix);
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The base name of a file that a user-typed name is exported under. The name can hold anything;
// the file must land in the folder the user chose, so separators, drive and shell characters and
// control characters become '_', leading dots and blanks go, and what is left is cut to a length
// every file system takes. A result of nothing but '_', dots and blanks gives the fallback.

#include <QString>

class ExportFileName
{
public:
    // At most this many UTF-8 bytes, leaving room for an extension.
    static constexpr int MaxBytes = 200;

    static QString safeBaseName(const QString &name, const QString &fallback);
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes a whole file in place of another in one step: the bytes go into a new file that this
// call creates under a name of its own beside the target (created exclusively, so nothing planted
// there, a symbolic link for one, is ever written through), and that file is renamed over the
// target. A reader sees the old file or the new one, never half of one; on any failure the target
// is as it was and the temporary file is gone. A symbolic link at the target is replaced by the
// new file, not followed. A replaced file keeps its permission bits; a new one gets 0666 less the
// process's umask.

#include "FileStamp.h"

#include <QByteArray>
#include <QString>

class ReplacedFile
{
public:
    // True when the target now holds exactly the bytes; stamp (when given) receives the state of
    // the new file, error (when given) says why in a few words on failure.
    static bool write(const QString &target, const QByteArray &bytes, FileStamp *stamp = nullptr,
                      QString *error = nullptr);
};

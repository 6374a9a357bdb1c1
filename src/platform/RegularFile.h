// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads a file that must be a plain file of bounded size. Anything else in its place (a folder, a
// FIFO, a device, also behind a symbolic link) is refused without being read, and a FIFO never
// blocks the caller: the path is looked at first and opened without waiting for a writer.

#include "FileStamp.h"

#include <QByteArray>
#include <QString>

class RegularFile
{
public:
    enum class Status {
        Ok,
        Missing,     // nothing at the path
        NotRegular,  // a folder, FIFO, socket or device
        TooLarge,    // more than maxSize bytes
        Denied,      // no permission to read it (or to reach it)
        Unreadable   // it could not be opened or read
    };

    // The whole file into bytes; stamp receives the state of the file that was read, taken from the
    // open file itself. On any status but Ok, bytes is empty and error says why in a few words.
    static Status read(const QString &path, qint64 maxSize, QByteArray *bytes, FileStamp *stamp, QString *error);

    // The call that opens a file for reading, ::open unless a test puts another in its place (a
    // test runs as root, which no permission stops). Null restores ::open.
    using OpenFunction = int (*)(const char *path, int flags);
    static void setOpenFunction(OpenFunction open);
};

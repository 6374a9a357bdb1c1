// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What tells one state of a file on disk from another: the file's identity (device and inode),
// its size and its modification time to the nanosecond. A file replaced by a rename gets a new
// identity; a file rewritten in place gets a new time or size.

#include <cstdint>
#include <QString>

class FileStamp
{
public:
    FileStamp() = default;  // invalid

    // The stamp of the file at the path, following symbolic links; invalid when it does not exist.
    static FileStamp ofPath(const QString &path);
    // The stamp of an open file descriptor; invalid when it cannot be queried.
    static FileStamp ofDescriptor(int fd);

    bool isValid() const { return m_valid; }
    int64_t size() const { return m_size; }

    // Two invalid stamps are never equal: a missing file matches nothing.
    bool operator==(const FileStamp &other) const;
    bool operator!=(const FileStamp &other) const { return !(*this == other); }

private:
    static FileStamp fromParts(uint64_t device, uint64_t inode, int64_t size, int64_t mtimeSec, int64_t mtimeNsec);

    bool m_valid = false;
    uint64_t m_device = 0;
    uint64_t m_inode = 0;
    int64_t m_size = -1;
    int64_t m_mtimeSec = 0;
    int64_t m_mtimeNsec = 0;
};

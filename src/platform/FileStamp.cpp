// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileStamp.h"

#include <QFile>
#include <sys/stat.h>

FileStamp FileStamp::fromParts(uint64_t device, uint64_t inode, int64_t size, int64_t mtimeSec, int64_t mtimeNsec)
{
    FileStamp stamp;
    stamp.m_valid = true;
    stamp.m_device = device;
    stamp.m_inode = inode;
    stamp.m_size = size;
    stamp.m_mtimeSec = mtimeSec;
    stamp.m_mtimeNsec = mtimeNsec;
    return stamp;
}

FileStamp FileStamp::ofPath(const QString &path)
{
    struct stat st {
    };
    const QByteArray encoded = QFile::encodeName(path);
    if (encoded.isEmpty() || ::stat(encoded.constData(), &st) != 0)
        return FileStamp();
    return fromParts(st.st_dev, st.st_ino, st.st_size, st.st_mtim.tv_sec, st.st_mtim.tv_nsec);
}

FileStamp FileStamp::ofDescriptor(int fd)
{
    struct stat st {
    };
    if (fd < 0 || ::fstat(fd, &st) != 0)
        return FileStamp();
    return fromParts(st.st_dev, st.st_ino, st.st_size, st.st_mtim.tv_sec, st.st_mtim.tv_nsec);
}

bool FileStamp::operator==(const FileStamp &other) const
{
    return m_valid && other.m_valid && m_device == other.m_device && m_inode == other.m_inode && m_size == other.m_size
           && m_mtimeSec == other.m_mtimeSec && m_mtimeNsec == other.m_mtimeNsec;
}

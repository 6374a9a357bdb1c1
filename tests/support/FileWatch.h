// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Sees whether, and how often, a file was written since the watch began. The store replaces a file
// by a rename (or links a new one where there was none), so a write shows as a new inode; the old
// file stays open so that its inode number cannot be handed to the new one. writes() counts the
// files put at the name (inotify on its folder), so a test can tell one save from two; a write in
// place is not counted there but rewritten() sees it.

#include <QByteArray>

#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstring>

class FileWatch
{
public:
    explicit FileWatch(const QByteArray &path)
        : m_path(path)
        , m_fd(::open(path.constData(), O_RDONLY | O_CLOEXEC))
        , m_notify(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
    {
        struct stat st {
        };
        if (m_fd >= 0 && ::fstat(m_fd, &st) == 0) {
            m_inode = st.st_ino;
            m_mtime = st.st_mtim;
        }
        const int slash = path.lastIndexOf('/');
        m_name = path.mid(slash + 1);
        const QByteArray folder = slash > 0 ? path.left(slash) : QByteArray(".");
        if (m_notify >= 0)
            ::inotify_add_watch(m_notify, folder.constData(), IN_MOVED_TO | IN_CREATE);
    }
    ~FileWatch()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        if (m_notify >= 0)
            ::close(m_notify);
    }
    FileWatch(const FileWatch &) = delete;
    FileWatch &operator=(const FileWatch &) = delete;

    // Whether the watch could start: the file was there and its folder is watched.
    bool isValid() const { return m_fd >= 0 && m_notify >= 0; }

    // Whether the file is gone, replaced or touched since the watch began.
    bool rewritten() const
    {
        struct stat st {
        };
        return ::stat(m_path.constData(), &st) != 0 || st.st_ino != m_inode || st.st_mtim.tv_sec != m_mtime.tv_sec
               || st.st_mtim.tv_nsec != m_mtime.tv_nsec;
    }

    // The writes of the file seen so far.
    int writes()
    {
        alignas(inotify_event) char buffer[16 * (sizeof(inotify_event) + NAME_MAX + 1)];
        for (;;) {
            const ssize_t length = m_notify >= 0 ? ::read(m_notify, buffer, sizeof buffer) : -1;
            if (length <= 0)
                break;
            for (ssize_t at = 0; at < length;) {
                inotify_event event;
                std::memcpy(&event, buffer + at, sizeof event);
                const char *name = buffer + at + sizeof event;
                if (event.len > 0 && m_name == QByteArray(name))
                    ++m_writes;
                at += ssize_t(sizeof event + event.len);
            }
        }
        return m_writes;
    }

private:
    QByteArray m_path;
    QByteArray m_name;
    int m_fd = -1;
    int m_notify = -1;
    ino_t m_inode = 0;
    timespec m_mtime{};
    int m_writes = 0;
};

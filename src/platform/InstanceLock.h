// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tells the first running copy of the program from later ones. Each user has its own lock file
// and local-socket path, both named after the executable, so different programs and different
// users never block each other. The lock lives in the per-user runtime folder, or without one in
// the user's own cache folder; the socket, whose path may hold at most 107 bytes, lives in the
// runtime folder when it fits there, else in a short folder of the user's own (mode 0700) in the
// temporary folder.
//
// Only a live process of this user on this host holds the lock. A lock file left by a copy that
// died, written on another host, or that cannot be read at all is stale: it is removed and taken.

#include <QLockFile>
#include <QString>

class InstanceLock
{
public:
    // name: the executable's file name (see executableName()).
    explicit InstanceLock(const QString &name);

    // False only while a live process of this user on this host holds the lock. True when this
    // process now holds it (also after taking over a stale one) and when the lock cannot be used
    // at all (a folder in its place, a folder that cannot be written): then the program runs
    // unguarded, with a warning, rather than never starting.
    bool acquire();
    void unlock();

    // The file name of the running executable, with its extension; usable before any
    // application object exists (the same name QCoreApplication::applicationFilePath ends in).
    static QString executableName();
    static QString lockPath(const QString &name);
    // Empty when no folder of the user's own can take the socket.
    static QString serverPath(const QString &name);
    // Clears the server path of what a copy that died left there, before listening once more.
    // Anything but a socket there is named in the log.
    static void removeStaleServer(const QString &path);

    static constexpr int kMaxSocketPathBytes = 107;

private:
    // Whether the lock file names a live process of this user on this host.
    bool heldByLiveProcess();

    QString m_path;
    QLockFile m_lock;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tells the first running copy of the program from later ones. Each user has its own lock file
// and local-socket path (in the per-user runtime folder), both named after the executable, so
// different programs and different users never block each other. A lock left behind by a copy
// that died is detected through the owner's process id and taken over.

#include <QLockFile>
#include <QString>

class InstanceLock
{
public:
    // name: the executable's file name (see executableName()).
    explicit InstanceLock(const QString &name);

    // False only while another living process holds the lock. True when this process now holds
    // it (also after taking over a dead owner's lock) and when the lock file cannot be written at
    // all: then the program runs unguarded, with a warning, rather than never starting.
    bool acquire();
    void unlock();

    // The file name of the running executable, with its extension; usable before any
    // application object exists (the same name QCoreApplication::applicationFilePath ends in).
    static QString executableName();
    // Full paths in the per-user runtime folder.
    static QString lockPath(const QString &name);
    static QString serverPath(const QString &name);

private:
    QString m_path;
    QLockFile m_lock;
};

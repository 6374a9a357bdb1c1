// SPDX-License-Identifier: GPL-3.0-or-later
#include "InstanceLock.h"

#include "LogCategories.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString runtimeFolder()
{
    // XDG_RUNTIME_DIR, or a private folder Qt creates for the user when it is not set.
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return dir;
}

}  // namespace

InstanceLock::InstanceLock(const QString &name)
    : m_path(lockPath(name))
    , m_lock(m_path)
{
    // A living owner keeps the lock however old it is; only a dead owner's lock is stale.
    m_lock.setStaleLockTime(0);
}

bool InstanceLock::acquire()
{
    if (m_lock.tryLock(0))
        return true;
    if (m_lock.error() == QLockFile::LockFailedError)
        return false;
    qCWarning(lcPlatform, "InstanceLock: cannot write %s (error %d)", qPrintable(m_path), int(m_lock.error()));
    return true;
}

void InstanceLock::unlock()
{
    m_lock.unlock();
}

QString InstanceLock::executableName()
{
    const QString target = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
    if (!target.isEmpty())
        return QFileInfo(target).fileName();
    if (QCoreApplication::instance())
        return QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    return QStringLiteral("zelka");
}

QString InstanceLock::lockPath(const QString &name)
{
    return runtimeFolder() + QLatin1Char('/') + name + QStringLiteral(".lock");
}

QString InstanceLock::serverPath(const QString &name)
{
    return runtimeFolder() + QLatin1Char('/') + name + QStringLiteral(".socket");
}

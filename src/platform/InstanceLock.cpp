// SPDX-License-Identifier: GPL-3.0-or-later
#include "InstanceLock.h"

#include "LogCategories.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QSysInfo>
#include <QThread>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// XDG_RUNTIME_DIR when it names a folder of this user's that nobody else may enter; empty
// otherwise (then neither Qt's stand-in in the shared temporary folder, which may be cleaned
// away under a running copy, nor anything else there is used for the lock).
QString runtimeFolder()
{
    const QByteArray dir = qgetenv("XDG_RUNTIME_DIR");
    struct stat st {
    };
    if (dir.isEmpty() || !dir.startsWith('/') || ::stat(dir.constData(), &st) != 0 || !S_ISDIR(st.st_mode)
        || st.st_uid != ::geteuid() || (st.st_mode & 077) != 0 || ::access(dir.constData(), W_OK | X_OK) != 0)
        return QString();
    return QDir::cleanPath(QFile::decodeName(dir));
}

QString cacheFolder()
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    return !dir.isEmpty() && QDir().mkpath(dir) ? dir : QString();
}

bool fitsSocket(const QString &path)
{
    return QFile::encodeName(path).size() <= InstanceLock::kMaxSocketPathBytes;
}

// "<parent>/zelka-<uid>", made with mode 0700 when missing; empty unless it is a real folder of
// this user's that nobody else may enter.
QString ownFolderIn(const QString &parent)
{
    const uid_t uid = ::geteuid();
    const QString path = parent + QStringLiteral("/zelka-%1").arg(uid);
    const QByteArray encoded = QFile::encodeName(path);
    if (::mkdir(encoded.constData(), 0700) != 0 && errno != EEXIST)
        return QString();
    struct stat st {
    };
    if (::lstat(encoded.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != uid) {
        qCWarning(lcPlatform, "InstanceLock: %s is not a folder of this user's; not used", encoded.constData());
        return QString();
    }
    if ((st.st_mode & 077) != 0 && ::chmod(encoded.constData(), 0700) != 0)
        return QString();
    return path;
}

}  // namespace

InstanceLock::InstanceLock(const QString &name)
    : m_path(lockPath(name))
    , m_lock(m_path)
{
    // Staleness is decided by heldByLiveProcess(), never by age.
    m_lock.setStaleLockTime(0);
}

bool InstanceLock::acquire()
{
    if (QFileInfo(m_path).isDir()) {
        qCWarning(lcPlatform, "InstanceLock: the folder %s is in the lock's place; running without the guard",
                  qPrintable(m_path));
        return true;
    }
    if (m_lock.tryLock(0))
        return true;
    if (m_lock.error() == QLockFile::LockFailedError) {
        if (heldByLiveProcess())
            return false;
        qCWarning(lcPlatform, "InstanceLock: %s is stale (no live process of this user on this host); removed",
                  qPrintable(m_path));
        m_lock.removeStaleLockFile();
        if (m_lock.tryLock(0))
            return true;
        if (m_lock.error() == QLockFile::LockFailedError)
            return false;  // another copy took it in between
    }
    qCWarning(lcPlatform, "InstanceLock: cannot write %s (error %d); running without the guard", qPrintable(m_path),
              int(m_lock.error()));
    return true;
}

bool InstanceLock::heldByLiveProcess()
{
    qint64 pid = 0;
    QString host;
    QString application;
    bool readable = m_lock.getLockInfo(&pid, &host, &application);
    if (!readable) {
        // A copy that is just taking the lock has made the file but not yet written it.
        QThread::msleep(100);
        readable = m_lock.getLockInfo(&pid, &host, &application);
    }
    if (!readable || pid <= 0)
        return false;
    if (!host.isEmpty() && host != QSysInfo::machineHostName())
        return false;
    struct stat st {
    };
    const QByteArray proc = "/proc/" + QByteArray::number(pid);
    return ::stat(proc.constData(), &st) == 0 && st.st_uid == ::geteuid();
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
    const QString file = name + QStringLiteral(".lock");
    QString dir = runtimeFolder();
    if (dir.isEmpty())
        dir = cacheFolder();
    if (dir.isEmpty())
        dir = QDir::homePath();
    return dir + QLatin1Char('/') + file;
}

QString InstanceLock::serverPath(const QString &name)
{
    const QString file = QLatin1Char('/') + name + QStringLiteral(".socket");
    const QString runtime = runtimeFolder();
    if (!runtime.isEmpty() && fitsSocket(runtime + file))
        return runtime + file;
    // The temporary folder, or the system's when that one's path is too long for a socket.
    QString parent = QDir::tempPath();
    if (!fitsSocket(parent + QStringLiteral("/zelka-4294967295") + file))
        parent = QStringLiteral("/tmp");
    const QString own =
        fitsSocket(parent + QStringLiteral("/zelka-4294967295") + file) ? ownFolderIn(parent) : QString();
    if (!own.isEmpty())
        return own + file;
    qCWarning(lcPlatform, "InstanceLock: no folder of this user's takes the socket %s", qPrintable(name));
    return QString();
}

void InstanceLock::removeStaleServer(const QString &path)
{
    const QByteArray encoded = QFile::encodeName(path);
    struct stat st {
    };
    if (encoded.isEmpty() || ::lstat(encoded.constData(), &st) != 0)
        return;
    if (S_ISDIR(st.st_mode)) {
        qCWarning(lcPlatform, "InstanceLock: the folder %s is in the socket's place; not removed", encoded.constData());
        return;
    }
    if (!S_ISSOCK(st.st_mode))
        qCWarning(lcPlatform, "InstanceLock: %s was not a socket (mode %o); removed", encoded.constData(),
                  unsigned(st.st_mode & S_IFMT));
    if (::unlink(encoded.constData()) != 0)
        qCWarning(lcPlatform, "InstanceLock: cannot remove %s", encoded.constData());
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReplacedFile.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString errnoText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// The process's umask, read without changing it (umask() would, for every thread at once).
mode_t currentUmask()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        const QList<QByteArray> lines = status.readAll().split('\n');
        for (const QByteArray &line : lines) {
            if (line.startsWith("Umask:")) {
                bool ok = false;
                const int mask = line.mid(6).trimmed().toInt(&ok, 8);
                if (ok)
                    return mode_t(mask) & 0777;
            }
        }
    }
    return 022;
}

// The start of a file name cut to at most max bytes without splitting a UTF-8 character.
QByteArray cutName(const QByteArray &name, int max)
{
    if (name.size() <= max)
        return name;
    int length = max;
    while (length > 0 && (uchar(name.at(length)) & 0xC0) == 0x80)
        --length;
    return name.left(length);
}

bool writeAll(int fd, const QByteArray &bytes)
{
    const char *p = bytes.constData();
    size_t left = size_t(bytes.size());
    while (left > 0) {
        const ssize_t done = ::write(fd, p, left);
        if (done < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += done;
        left -= size_t(done);
    }
    return true;
}

}  // namespace

bool ReplacedFile::write(const QString &target, const QByteArray &bytes, FileStamp *stamp, QString *error)
{
    QString ignored;
    QString &why = error ? *error : ignored;
    why.clear();
    if (stamp)
        *stamp = FileStamp();

    const QByteArray encoded = QFile::encodeName(target);
    const int slash = encoded.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : encoded.left(slash);
    const QByteArray name = slash < 0 ? encoded : encoded.mid(slash + 1);
    if (name.isEmpty() || name == "." || name == "..") {
        why = QStringLiteral("no file name");
        return false;
    }

    struct stat existing {
    };
    // A file that is there keeps its mode; only a new one is made by the umask.
    const bool there = ::lstat(encoded.constData(), &existing) == 0;
    if (there && S_ISDIR(existing.st_mode)) {
        why = QStringLiteral("a folder is in the way");
        return false;
    }
    const mode_t mode = there && S_ISREG(existing.st_mode) ? existing.st_mode & 07777 : 0666 & ~currentUmask();

    // mkstemp creates the file with O_CREAT | O_EXCL: a name that exists already, a dangling
    // link included, is never opened, and another name is tried.
    QByteArray pattern = folder + "/." + cutName(name, 200) + ".XXXXXX";
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0) {
        why = errnoText(errno);
        return false;
    }
    const auto fail = [&](int code) {
        why = errnoText(code);
        ::close(fd);
        ::unlink(pattern.constData());
        return false;
    };
    if (!writeAll(fd, bytes))
        return fail(errno);
    if (::fchmod(fd, mode) != 0)
        return fail(errno);
    if (::fsync(fd) != 0)
        return fail(errno);
    const FileStamp written = FileStamp::ofDescriptor(fd);
    if (::close(fd) != 0) {
        why = errnoText(errno);
        ::unlink(pattern.constData());
        return false;
    }
    if (::rename(pattern.constData(), encoded.constData()) != 0) {
        why = errnoText(errno);
        ::unlink(pattern.constData());
        return false;
    }
    if (stamp)
        *stamp = written;
    return true;
}

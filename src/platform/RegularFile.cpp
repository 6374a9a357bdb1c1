// SPDX-License-Identifier: GPL-3.0-or-later
#include "RegularFile.h"

#include <QFile>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString errnoText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

int systemOpen(const char *path, int flags)
{
    return ::open(path, flags);
}

std::atomic<RegularFile::OpenFunction> openFunction{&systemOpen};

bool isDenied(int error)
{
    return error == EACCES || error == EPERM;
}

}  // namespace

void RegularFile::setOpenFunction(OpenFunction open)
{
    openFunction.store(open ? open : &systemOpen);
}

RegularFile::Status RegularFile::read(const QString &path, qint64 maxSize, QByteArray *bytes, FileStamp *stamp,
                                      QString *error)
{
    bytes->clear();
    *stamp = FileStamp();
    error->clear();

    const QByteArray encoded = QFile::encodeName(path);
    struct stat st {
    };
    if (encoded.isEmpty() || ::stat(encoded.constData(), &st) != 0) {
        if (encoded.isEmpty() || errno == ENOENT || errno == ENOTDIR)
            return Status::Missing;
        const int code = errno;
        *error = errnoText(code);
        return isDenied(code) ? Status::Denied : Status::Unreadable;
    }
    if (!S_ISREG(st.st_mode)) {
        *error = QStringLiteral("not a regular file");
        return Status::NotRegular;
    }
    if (st.st_size > maxSize) {
        *error = QStringLiteral("larger than %1 bytes").arg(maxSize);
        return Status::TooLarge;
    }

    // Something else may have taken the file's place since: opening without waiting keeps a FIFO
    // from blocking, and the open file is checked once more before a byte is read.
    const int fd = openFunction.load()(encoded.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        const int code = errno;
        *error = errnoText(code);
        if (code == ENOENT)
            return Status::Missing;
        return isDenied(code) ? Status::Denied : Status::Unreadable;
    }
    struct stat opened {
    };
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        ::close(fd);
        *error = QStringLiteral("not a regular file");
        return Status::NotRegular;
    }
    const FileStamp openedStamp = FileStamp::ofDescriptor(fd);

    // The file may grow while it is read: never take more than one byte past the limit.
    QByteArray data;
    data.reserve(int(qMin<qint64>(opened.st_size, maxSize)) + 1);
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            *error = errnoText(errno);
            ::close(fd);
            return Status::Unreadable;
        }
        if (got == 0)
            break;
        data.append(buffer, int(got));
        if (data.size() > maxSize) {
            ::close(fd);
            *error = QStringLiteral("larger than %1 bytes").arg(maxSize);
            return Status::TooLarge;
        }
    }
    ::close(fd);
    *bytes = data;
    *stamp = openedStamp;
    return Status::Ok;
}

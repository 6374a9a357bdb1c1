// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shared by the fuzz targets: a Qt application object for the process and a private folder for
// the files a target writes.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <memory>

namespace fuzz {

// One application object for the process, made on first use.
inline void application()
{
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "zelka-fuzz";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
}

// A folder of the process's own, removed at exit.
inline const QTemporaryDir &folder()
{
    static QTemporaryDir dir;
    if (!dir.isValid())
        qFatal("no temporary folder");
    return dir;
}

// Writes the input to a file of a name not used before in this process, and removes the
// previous one: the store's cache must not take one input's file for the last one's, which a
// file rewritten in place to the same size within one tick of the file system's clock would be.
inline QByteArray inputFile(const uint8_t *data, size_t size, const char *suffix)
{
    static quint64 counter = 0;
    static QString previous;
    if (!previous.isEmpty())
        QFile::remove(previous);
    previous = folder().filePath(QStringLiteral("input-%1.%2").arg(++counter).arg(QLatin1String(suffix)));
    QFile file(previous);
    if (!file.open(QIODevice::WriteOnly)
        || file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
        qFatal("cannot write %s", qPrintable(previous));
    return QFile::encodeName(previous);
}

}  // namespace fuzz

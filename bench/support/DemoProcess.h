// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Starting the program (zelka-demo, beside the benchmark) the way the benchmarks need it: on the
// offscreen platform unless told otherwise, with its own temporary HOME and XDG folders, so
// that a first start is a first start and the user's files are never touched.

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

namespace DemoProcess {

inline QString programPath(const QString &name)
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(name);
}

// The environment of a program run whose home is `home`.
inline QProcessEnvironment environment(const QString &home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/.local/share"));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/.cache"));
    const QString runtime = home + QStringLiteral("/runtime");
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    if (!env.contains(QStringLiteral("QT_QPA_PLATFORM")))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return env;
}

}  // namespace DemoProcess

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers shared by the data-layer tests: a data manager built from chosen sources, fixture
// files, a fresh application-data location per test and a fixed locale for day names.

#include "DDataManager.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QtTest>

// The program reaches its one data manager through getInstance(); tests build as many as they
// need, each reading the default configuration and the program folder they are given.
class TestDataManager : public DDataManager
{
public:
    explicit TestDataManager(const QString &defaultConfigPath, const QString &programDir = QString())
        : DDataManager(defaultConfigPath, programDir)
    {
    }
};

inline const QString kShippedDefaultConfig = QStringLiteral(":/images/configDir/BrivexDefaultConfig.ini");

inline bool writeFixture(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

inline QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Points the application-data location into a fresh temporary folder whose parents do not exist
// yet, as on a first login; returns that application-data folder.
class FreshDataHome
{
public:
    FreshDataHome() { qputenv("XDG_DATA_HOME", QFile::encodeName(m_root.path() + QStringLiteral("/not/yet/there"))); }
    QString appDataDir() const
    {
        return m_root.path() + QStringLiteral("/not/yet/there/") + QCoreApplication::applicationName();
    }
    QString root() const { return m_root.path(); }

private:
    QTemporaryDir m_root;
};

// Day names in the log depend on the system locale: pin it before the application starts.
#define ZELKA_DATA_TEST_MAIN(TestClass)                                                                                \
    int main(int argc, char *argv[])                                                                                   \
    {                                                                                                                  \
        qputenv("LC_ALL", "C.UTF-8");                                                                                  \
        qputenv("LANG", "C.UTF-8");                                                                                    \
        QGuiApplication app(argc, argv);                                                                               \
        TestClass test;                                                                                                \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }

// SPDX-License-Identifier: GPL-3.0-or-later
// File dialogs open in the Desktop folder only where there is one, else in the home folder.

#include "DialogStartFolder.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class tst_DialogStartFolder : public QObject
{
    Q_OBJECT
private slots:
    void desktopOrHome();
};

void tst_DialogStartFolder::desktopOrHome()
{
    QTemporaryDir home;
    QVERIFY(home.isValid());
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral(".config"))));
    QCOMPARE(dialogStartFolder(), QDir::homePath());
    QCOMPARE(QDir(dialogStartFolder()).canonicalPath(), QDir(home.path()).canonicalPath());

    QVERIFY(QDir(home.path()).mkdir(QStringLiteral("Desktop")));
    QCOMPARE(QDir(dialogStartFolder()).canonicalPath(), QDir(home.filePath(QStringLiteral("Desktop"))).canonicalPath());
}

QTEST_GUILESS_MAIN(tst_DialogStartFolder)
#include "tst_DialogStartFolder.moc"

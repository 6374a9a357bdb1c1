// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopPcActions.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QtTest>

class tst_DesktopPcActions : public QObject
{
    Q_OBJECT
private slots:
    void clipboardHoldsTheTextAsItIs();
    void programIsStartedAsOneFileWithoutAShell();
    void nothingToLaunch();
};

void tst_DesktopPcActions::clipboardHoldsTheTextAsItIs()
{
    DesktopPcActions actions;
    const QString text = QStringLiteral("Grüße, 你好\nsecond line\t; $(rm -rf /)");
    QVERIFY(actions.setClipboardText(text));
    QCOMPARE(QGuiApplication::clipboard()->text(), text);
}

void tst_DesktopPcActions::programIsStartedAsOneFileWithoutAShell()
{
    // A file name that a shell would split and run in parts.
    QTemporaryDir dir;
    const QString marker = dir.filePath(QStringLiteral("started"));
    const QString program = dir.filePath(QStringLiteral("my tool; touch split"));
    QFile file(program);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\necho \"$#\" > \"" + QFile::encodeName(marker) + "\"\n");
    file.close();
    QVERIFY(file.setPermissions(file.permissions() | QFileDevice::ExeOwner));

    DesktopPcActions actions;
    QVERIFY(actions.launchProgram(program));
    const auto startedWith = [&marker] {
        QFile started(marker);
        return started.open(QIODevice::ReadOnly) ? started.readAll().trimmed() : QByteArray();
    };
    QTRY_COMPARE_WITH_TIMEOUT(startedWith(), QByteArray("0"), 10000);  // started, with no arguments
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("split"))));
    QVERIFY(!QFile::exists(QStringLiteral("split")));
}

void tst_DesktopPcActions::nothingToLaunch()
{
    DesktopPcActions actions;
    QVERIFY(!actions.launchProgram(QString()));
    // A path that names nothing starts no handler for it.
    QTemporaryDir dir;
    QVERIFY(!actions.launchProgram(dir.filePath(QStringLiteral("missing tool"))));
}

QTEST_MAIN(tst_DesktopPcActions)
#include "tst_DesktopPcActions.moc"

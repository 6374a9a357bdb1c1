// SPDX-License-Identifier: GPL-3.0-or-later
#include "DataTestSupport.h"

#include "LogCollectClass.h"

#include <QDate>
#include <QDateTime>

class tst_LogCollectClass : public QObject
{
    Q_OBJECT

private slots:
    void fileName_data();
    void fileName();
    void composeLine_data();
    void composeLine();
    void appendsAcrossRunsAndFlushesEachLine();
    void longFolderPath();
    void openFailureLeavesWriterDisabled();
    void disabledWriterWritesNothing();
};

void tst_LogCollectClass::fileName_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("name");

    QTest::newRow("single digits unpadded") << QDate(2024, 4, 2) << "2024-4-2_Log.txt";
    QTest::newRow("two digits") << QDate(2024, 12, 31) << "2024-12-31_Log.txt";
    QTest::newRow("next day, new file") << QDate(2025, 1, 1) << "2025-1-1_Log.txt";
}

void tst_LogCollectClass::fileName()
{
    QFETCH(QDate, date);
    QFETCH(QString, name);
    QCOMPARE(LogCollectClass::fileName(date), name);
}

void tst_LogCollectClass::composeLine_data()
{
    QTest::addColumn<QDateTime>("when");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("line");

    QTest::newRow("time padded, date not") << QDateTime(QDate(2024, 4, 2), QTime(9, 5, 7)) << QByteArray("hello")
                                           << QByteArray("2024-4-2 09:05:07__hello\n");
    QTest::newRow("midnight") << QDateTime(QDate(2024, 12, 31), QTime(0, 0, 0)) << QByteArray("x")
                              << QByteArray("2024-12-31 00:00:00__x\n");
    QTest::newRow("two-digit time") << QDateTime(QDate(2024, 10, 20), QTime(23, 59, 59)) << QByteArray()
                                    << QByteArray("2024-10-20 23:59:59__\n");
    const QByteArray longText(3000, 'a');
    QTest::newRow("long text kept whole") << QDateTime(QDate(2024, 4, 2), QTime(9, 5, 7)) << longText
                                          << QByteArray("2024-4-2 09:05:07__") + longText + '\n';
}

void tst_LogCollectClass::composeLine()
{
    QFETCH(QDateTime, when);
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, line);
    QCOMPARE(LogCollectClass::composeLine(when, text), line);
}

void tst_LogCollectClass::appendsAcrossRunsAndFlushesEachLine()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(LogCollectClass::fileName(QDate::currentDate()));
    {
        LogCollectClass first;
        QCOMPARE(first.openLogFile(QFile::encodeName(dir.path()), true), 0);
        first.writeLine("first run");
        // On the disk before the writer goes away.
        QVERIFY(readAll(path).endsWith("__first run\n"));
    }
    LogCollectClass second;
    QCOMPARE(second.openLogFile(QFile::encodeName(dir.path()), true), 0);
    second.writeLine("second run");

    const QList<QByteArray> lines = readAll(path).split('\n');
    QCOMPARE(lines.size(), 3);
    QVERIFY(lines.at(0).endsWith("__first run"));
    QVERIFY(lines.at(1).endsWith("__second run"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 1);
}

void tst_LogCollectClass::longFolderPath()
{
    QTemporaryDir dir;
    QString folder = dir.path();
    for (int i = 0; i < 8; ++i)
        folder += QStringLiteral("/") + QString(40, QLatin1Char('d'));
    QVERIFY(folder.size() > 300);
    QVERIFY(QDir().mkpath(folder));

    LogCollectClass writer;
    QCOMPARE(writer.openLogFile(QFile::encodeName(folder), true), 0);
    writer.writeLine("deep");
    QVERIFY(
        readAll(folder + QStringLiteral("/") + LogCollectClass::fileName(QDate::currentDate())).endsWith("__deep\n"));
}

void tst_LogCollectClass::openFailureLeavesWriterDisabled()
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("absent"));
    LogCollectClass writer;
    QCOMPARE(writer.openLogFile(QFile::encodeName(missing), true), 201);
    writer.writeLine("dropped");
    QVERIFY(!QFileInfo::exists(missing));
    QVERIFY(QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());
}

void tst_LogCollectClass::disabledWriterWritesNothing()
{
    QTemporaryDir dir;
    LogCollectClass writer;
    QCOMPARE(writer.openLogFile(QFile::encodeName(dir.path()), false), 0);
    writer.writeLine("dropped");
    QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());

    // Open, then switched off: the file stays, later lines do not reach it.
    QCOMPARE(writer.openLogFile(QFile::encodeName(dir.path()), true), 0);
    writer.writeLine("kept");
    QCOMPARE(writer.openLogFile(QFile::encodeName(dir.path()), false), 0);
    writer.writeLine("dropped");
    const QByteArray content = readAll(dir.filePath(LogCollectClass::fileName(QDate::currentDate())));
    QVERIFY(content.endsWith("__kept\n"));
    QVERIFY(!content.contains("dropped"));
}

ZELKA_DATA_TEST_MAIN(tst_LogCollectClass)
#include "tst_LogCollectClass.moc"

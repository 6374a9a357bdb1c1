// SPDX-License-Identifier: GPL-3.0-or-later
#include "CrashReport.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

class tst_CrashReport : public QObject
{
    Q_OBJECT

private slots:
    void stampMatchesCalendar_data();
    void stampMatchesCalendar();
    void crashLeavesOneReport_data();
    void crashLeavesOneReport();
    void cleanExitLeavesNothing();
    void unusableFolderInstallsNothing();
    void noteThatCannotBeRemoved_isReportedOnce();
};

void tst_CrashReport::stampMatchesCalendar_data()
{
    QTest::addColumn<qint64>("seconds");
    QTest::newRow("epoch") << qint64(0);
    QTest::newRow("before epoch") << qint64(-1);
    QTest::newRow("leap day 2000") << qint64(951782400 + 3661);
    QTest::newRow("end of leap day 2024") << qint64(1709251199);
    QTest::newRow("1 March 2100, no leap day") << qint64(4107542400);
    QTest::newRow("new year's eve") << qint64(1704067199);
}

void tst_CrashReport::stampMatchesCalendar()
{
    QFETCH(qint64, seconds);
    char stamp[20];
    CrashReport::formatStamp(seconds, stamp);
    QCOMPARE(QString::fromLatin1(stamp),
             QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC).toString(QStringLiteral("yyyy_MM_dd_hh_mm_ss")));
}

void tst_CrashReport::crashLeavesOneReport_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("signal");
    QTest::addColumn<QString>("line");
    QTest::newRow("null pointer") << "segv" << int(SIGSEGV) << "Signal: 11 (SIGSEGV)";
    QTest::newRow("abort") << "abort" << int(SIGABRT) << "Signal: 6 (SIGABRT)";
    QTest::newRow("arithmetic") << "fpe" << int(SIGFPE) << "Signal: 8 (SIGFPE)";
    QTest::newRow("bus") << "bus" << int(SIGBUS) << "Signal: 7 (SIGBUS)";
    // No stack is left for the handler: it runs on its own.
    QTest::newRow("stack overflow") << "overflow" << int(SIGSEGV) << "Signal: 11 (SIGSEGV)";
}

void tst_CrashReport::crashLeavesOneReport()
{
    QFETCH(QString, kind);
    QFETCH(int, signal);
    QFETCH(QString, line);

    QTemporaryDir home;
    // The folders do not exist yet: the program creates them when it starts.
    const QString dump = home.filePath(QStringLiteral("data/zelka/dump"));
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);

    QProcess child;
    child.start(QStringLiteral(ZELKA_CRASH_HELPER), {dump, kind});
    QVERIFY(child.waitForStarted());
    const qint64 pid = child.processId();
    QVERIFY(child.waitForFinished(30000));
    // The process still dies of its signal.
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);
    QCOMPARE(child.exitCode(), signal);

    const QStringList reports = QDir(dump).entryList({QStringLiteral("*.dmp")}, QDir::Files);
    QCOMPARE(reports.size(), 1);
    const QDateTime stamp = QDateTime::fromString(reports.first().chopped(4), QStringLiteral("yyyy_MM_dd_hh_mm_ss"));
    QVERIFY2(stamp >= before && stamp <= QDateTime::currentDateTime(), qPrintable(reports.first()));

    QFile file(QDir(dump).filePath(reports.first()));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromLatin1(file.readAll());
    QVERIFY2(text.contains(line), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("\nAddress: 0x")));
    if (kind == QLatin1String("segv"))
        QVERIFY2(text.contains(QStringLiteral("\nAddress: 0x0000000000000010\n")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("\nProcess: %1\n").arg(pid)));
    // At least the handler's and the crashing function's frames.
    const QString backtrace = text.section(QStringLiteral("Backtrace:\n"), 1);
    QVERIFY2(backtrace.count(QLatin1Char('\n')) >= 2, qPrintable(text));

    // The next start learns of the crash once.
    QCOMPARE(CrashReport::takeLastReport(dump), file.fileName());
    QCOMPARE(CrashReport::takeLastReport(dump), QString());
    QVERIFY(file.exists());
}

void tst_CrashReport::cleanExitLeavesNothing()
{
    QTemporaryDir home;
    const QString dump = home.filePath(QStringLiteral("dump"));
    QProcess child;
    child.start(QStringLiteral(ZELKA_CRASH_HELPER), {dump, QStringLiteral("none")});
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);
    QVERIFY(QDir(dump).exists());
    QVERIFY(QDir(dump).entryList(QDir::Files).isEmpty());
    QCOMPARE(CrashReport::takeLastReport(dump), QString());
}

void tst_CrashReport::unusableFolderInstallsNothing()
{
    QTemporaryDir home;
    QFile blocker(home.filePath(QStringLiteral("file")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QVERIFY(!CrashReport::install(blocker.fileName() + QStringLiteral("/dump")));
    QVERIFY(!CrashReport::install(QString()));
    QVERIFY(!CrashReport::install(home.filePath(QString(5000, QLatin1Char('d')))));
}

void tst_CrashReport::noteThatCannotBeRemoved_isReportedOnce()
{
    // The note of a crash in a dump folder where it cannot be removed (a folder in its place
    // stands for a folder that cannot be written: tests run as root).
    QTemporaryDir home;
    const QString dump = home.filePath(QStringLiteral("dump"));
    QVERIFY(QDir().mkpath(dump + QStringLiteral("/lastCrash/inside")));
    const QString record = home.filePath(QStringLiteral("cache/noticedCrash"));

    QCOMPARE(CrashReport::takeLastReport(dump, record), QDir::cleanPath(dump));
    QVERIFY(QFileInfo::exists(record));
    QCOMPARE(CrashReport::takeLastReport(dump, record), QString());
    QCOMPARE(CrashReport::takeLastReport(dump, record), QString());
}

QTEST_GUILESS_MAIN(tst_CrashReport)
#include "tst_CrashReport.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// SIGTERM (a logout, `kill`) and SIGHUP end the program as its own Quit does: devices closed, the
// daily log's stop line written, exit code 0. Runs zelka-demo as a separate process.

#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

namespace {

const QString kDemo = QStringLiteral(ZELKA_DEMO);
const int kTimeoutMs = 60000;

}  // namespace

class tst_QuitSignals : public QObject
{
    Q_OBJECT

private slots:
    void quitInOrder_data();
    void quitInOrder();
};

void tst_QuitSignals::quitInOrder_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::addColumn<bool>("crashedBefore");  // the last run's crash notice is open
    QTest::newRow("SIGTERM") << int(SIGTERM) << false;
    QTest::newRow("SIGHUP") << int(SIGHUP) << false;
    QTest::newRow("SIGTERM over the crash notice") << int(SIGTERM) << true;
}

void tst_QuitSignals::quitInOrder()
{
    QFETCH(int, signalNumber);
    QFETCH(bool, crashedBefore);
    QTemporaryDir root;
    QVERIFY(root.isValid());
    for (const char *dir : {"home", "data", "config", "cache", "runtime"})
        QVERIFY(QDir().mkpath(root.filePath(QLatin1String(dir))));
    QFile::setPermissions(root.filePath(QStringLiteral("runtime")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), root.filePath(QStringLiteral("home")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), root.filePath(QStringLiteral("data")));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), root.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), root.filePath(QStringLiteral("cache")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), root.filePath(QStringLiteral("runtime")));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));

    if (crashedBefore) {
        // The note a crash leaves for the next start.
        const QString dump = root.filePath(QStringLiteral("data/zelka-demo/dump"));
        QVERIFY(QDir().mkpath(dump));
        QFile marker(dump + QStringLiteral("/lastCrash"));
        QVERIFY(marker.open(QIODevice::WriteOnly));
        marker.write("2026_01_01_00_00_00.dmp");
    }

    QProcess demo;
    demo.setProcessEnvironment(env);
    demo.setProcessChannelMode(QProcess::MergedChannels);
    demo.start(kDemo, QStringList());
    QVERIFY(demo.waitForStarted(kTimeoutMs));

    // Running once its window is built and the event loop has begun.
    const QDate today = QDate::currentDate();
    const QString log = root.filePath(QStringLiteral("data/zelka-demo/LogCollect/%1-%2-%3_Log.txt")
                                          .arg(today.year())
                                          .arg(today.month())
                                          .arg(today.day()));
    QByteArray output;
    QElapsedTimer timer;
    timer.start();
    while (!output.contains("*** Brivex Runing ***") && timer.elapsed() < kTimeoutMs
           && demo.state() == QProcess::Running) {
        demo.waitForReadyRead(200);
        output += demo.readAll();
    }
    QVERIFY2(output.contains("*** Brivex Runing ***"), output.constData());
    // The notice is shown right after the window is built.
    const QByteArray noticed = "the last run crashed";
    while (crashedBefore && !output.contains(noticed) && timer.elapsed() < kTimeoutMs
           && demo.state() == QProcess::Running) {
        demo.waitForReadyRead(200);
        output += demo.readAll();
    }
    QVERIFY2(!crashedBefore || output.contains(noticed), output.constData());
    QTest::qWait(300);

    QCOMPARE(::kill(pid_t(demo.processId()), signalNumber), 0);
    QVERIFY(demo.waitForFinished(kTimeoutMs));
    QCOMPARE(demo.exitStatus(), QProcess::NormalExit);
    QCOMPARE(demo.exitCode(), 0);

    QFile file(log);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(log));
    const QByteArray text = file.readAll();
    QVERIFY2(text.contains("Stop collect log:"), text.constData());
}

QTEST_GUILESS_MAIN(tst_QuitSignals)
#include "tst_QuitSignals.moc"

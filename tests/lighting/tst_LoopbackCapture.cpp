// SPDX-License-Identifier: GPL-3.0-or-later
// The PulseAudio loopback capture against a private sound server (with-sound-server.sh): a tone
// played on the null sink reaches the Musical Rhythm bands; the capture follows a new default
// sink, reports a server that went away and resumes when it is back; stop is prompt.

#include "DSoundCardAudioCapture.h"
#include "lightDealMain.h"
#include "LightTestSupport.h"
#include "SpectrumAnalyser.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QtEndian>
#include <QtTest>

#include <cmath>

#include <signal.h>

namespace {

constexpr double kToneHz = 29 * 44100 / 4096.0;  // 312.23 Hz, on bin 29
int g_audioWarnings = 0;
QtMessageHandler g_previousHandler = nullptr;

void countAudioWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && context.category && QByteArray(context.category) == "zelka.audio")
        ++g_audioWarnings;
    g_previousHandler(type, context, message);
}

bool run(const QString &program, const QStringList &arguments, QByteArray *output = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(10000) || process.exitCode() != 0)
        return false;
    if (output)
        *output = process.readAllStandardOutput();
    return true;
}

bool serverAnswers()
{
    return run(QStringLiteral("pactl"), {QStringLiteral("info")});
}

colorInfoData rhythmRecord()
{
    colorInfoData record = lightRecord(0, 100);
    record.ledModeType = 1;
    return record;
}

}  // namespace

class LoopbackCaptureTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void noServer();
    void stopIsPrompt();
    void toneReachesItsBand();
    void serverChanges();
};

void LoopbackCaptureTest::initTestCase()
{
    QVERIFY2(qEnvironmentVariableIsSet("ZELKA_SOUND_SERVER_PID"), "run through with-sound-server.sh");
    QVERIFY(serverAnswers());
}

void LoopbackCaptureTest::noServer()
{
    const QByteArray saved = qgetenv("PULSE_SERVER");
    qputenv("PULSE_SERVER", "unix:/nonexistent");
    DSoundCardAudioCapture capture;
    QCOMPARE(capture.start(), -1);
    QVERIFY(!capture.isRunning());
    QCOMPARE(capture.stop(), 0);
    if (saved.isEmpty())
        qunsetenv("PULSE_SERVER");
    else
        qputenv("PULSE_SERVER", saved);
}

void LoopbackCaptureTest::stopIsPrompt()
{
    for (int run = 0; run < 5; ++run) {
        DSoundCardAudioCapture capture;
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(capture.start(), 0);
        QVERIFY(timer.elapsed() <= 100 + 20);
        QVERIFY(capture.isRunning());
        QTest::qWait(run * 150);  // somewhere in the stream's first second
        timer.restart();
        QCOMPARE(capture.stop(), 0);
        QVERIFY2(timer.elapsed() < 100, qPrintable(QString::number(timer.elapsed())));
        QVERIFY(!capture.isRunning());
        QCOMPARE(capture.stop(), 0);
    }
}

void LoopbackCaptureTest::toneReachesItsBand()
{
    // 10 s of the tone at amplitude 0.5, both channels.
    const QString path = QDir(QDir::tempPath()).filePath(QStringLiteral("tone.raw"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QByteArray bytes(44100 * 10 * 4, '\0');
    auto *p = reinterpret_cast<uchar *>(bytes.data());
    for (int i = 0; i < 44100 * 10; ++i) {
        const qint16 v = qint16(std::lround(0.5 * 32767 * std::sin(2 * M_PI * kToneHz * i / 44100.0)));
        qToLittleEndian<qint16>(v, p + 4 * i);
        qToLittleEndian<qint16>(v, p + 4 * i + 2);
    }
    QCOMPARE(file.write(bytes), bytes.size());
    file.close();
    QProcess player;
    player.start(QStringLiteral("pacat"), {QStringLiteral("--raw"), QStringLiteral("--format=s16le"),
                                           QStringLiteral("--rate=44100"), QStringLiteral("--channels=2"), path});
    QVERIFY(player.waitForStarted());
    QTest::qWait(1000);

    lightDealMain engine;
    engine.initMusicalRhythm(104, 11, 30.0, 930.0);
    engine.setKeyboardLightConfig(rhythmRecord());
    QVector<QVector<double>> spectra;
    connect(engine.spectrumAnalyser(), &SpectrumAnalyser::spectrumChanged, this, [&] {
        QVector<double> values;
        for (const lightDealMain::BandLevel &band : engine.bandLevels())
            values << band.value;
        spectra << values;
    });
    engine.setAudioCaptureRunning(true);
    QVERIFY(engine.audioCapture()->isRunning());
    QTest::qWait(5000);
    engine.setAudioCaptureRunning(false);
    player.kill();
    player.waitForFinished();
    QVERIFY2(spectra.size() >= 3, qPrintable(QString::number(spectra.size())));
    // The steady state: band 3 at level 5, nothing else above level 1.
    for (int k = spectra.size() - 3; k < spectra.size(); ++k) {
        QVERIFY2(spectra[k][3] >= 0.7, qPrintable(QString::number(spectra[k][3])));
        for (int band = 0; band < 11; ++band)
            if (band != 3)
                QVERIFY2(spectra[k][band] < 0.25, qPrintable(QString("%1: %2").arg(band).arg(spectra[k][band])));
    }
    engine.stopAllLightThreads();
}

void LoopbackCaptureTest::serverChanges()
{
    lightDealMain engine;
    engine.initMusicalRhythm(104, 11, 30.0, 930.0);
    engine.setKeyboardLightConfig(rhythmRecord());
    engine.setAudioCaptureRunning(true);
    LoopbackAudio *capture = engine.audioCapture();
    QVERIFY(capture->isRunning());
    QTRY_COMPARE_WITH_TIMEOUT(capture->defaultOutputName(), QStringLiteral("zelka_test"), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(engine.lastOutputDeviceName(), QStringLiteral("zelka_test"), 5000);

    // A second sink made the default: the capture follows it, restarted once.
    QVERIFY(run(QStringLiteral("pactl"), {QStringLiteral("load-module"), QStringLiteral("module-null-sink"),
                                          QStringLiteral("sink_name=zelka_second")}));
    QVERIFY(run(QStringLiteral("pactl"), {QStringLiteral("set-default-sink"), QStringLiteral("zelka_second")}));
    QTRY_COMPARE_WITH_TIMEOUT(engine.lastOutputDeviceName(), QStringLiteral("zelka_second"), 10000);
    QTest::qWait(2500);
    QByteArray outputs;
    QVERIFY(run(QStringLiteral("pactl"),
                {QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("source-outputs")}, &outputs));
    QCOMPARE(outputs.trimmed().split('\n').size(), 1);  // one stream: the old one went
    QByteArray sources;
    QVERIFY(run(QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sources")},
                &sources));
    QByteArray monitorIndex;
    for (const QByteArray &line : sources.split('\n'))
        if (line.contains("zelka_second.monitor"))
            monitorIndex = line.split('\t').value(0);
    QCOMPARE(outputs.trimmed().split('\t').value(1), monitorIndex);

    // The server killed: the end signal, the capture not running, one logged failed start.
    // The capture thread emits the end; it is counted here through a queued call, as the engine
    // takes it, not by a spy that the capture thread would fill while this thread reads it.
    QObject receiver;
    int ended = 0;
    QObject::connect(
        capture, &LoopbackAudio::sigCaptureEnded, &receiver, [&ended] { ++ended; }, Qt::QueuedConnection);
    g_audioWarnings = 0;
    g_previousHandler = qInstallMessageHandler(countAudioWarnings);
    const qint64 pid = qEnvironmentVariable("ZELKA_SOUND_SERVER_PID").toLongLong();
    QCOMPARE(::kill(pid_t(pid), SIGTERM), 0);
    QTRY_COMPARE_WITH_TIMEOUT(ended, 1, 10000);
    QVERIFY(!capture->isRunning());
    QTRY_COMPARE_WITH_TIMEOUT(g_audioWarnings, 1, 5000);
    QTest::qWait(6500);  // a second failed start, five seconds on, is not logged again
    QCOMPARE(g_audioWarnings, 1);
    qInstallMessageHandler(g_previousHandler);

    // The server back: the watch resumes the capture; the effect stays.
    qint64 restarted = 0;
    QVERIFY(QProcess::startDetached(QStringLiteral("bash"),
                                    {QStringLiteral("-c"), QStringLiteral("exec ")
                                                               + qEnvironmentVariable("ZELKA_SOUND_SERVER_COMMAND")
                                                               + QStringLiteral(" >/dev/null 2>&1")},
                                    QString(), &restarted));
    QTRY_VERIFY_WITH_TIMEOUT(serverAnswers(), 5000);
    // The watch tries again every kCaptureRetryMs; on a loaded machine a try made while the new
    // server is still busy starting can fail, so allow a few of them, not just two.
    QTRY_VERIFY_WITH_TIMEOUT(capture->isRunning(), 4 * lightDealMain::kCaptureRetryMs);
    QCOMPARE(engine.currentKeyEffect(), 100);
    QVERIFY(engine.isAudioCaptureRunning());
    engine.setAudioCaptureRunning(false);
    engine.stopAllLightThreads();
    ::kill(pid_t(restarted), SIGTERM);
}

QTEST_MAIN(LoopbackCaptureTest)
#include "tst_LoopbackCapture.moc"

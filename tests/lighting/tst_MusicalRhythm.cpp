// SPDX-License-Identifier: GPL-3.0-or-later
// Musical Rhythm over a test double of the loopback capture: packet collection, bands and bars,
// the band layout, the capture switch and the output watch.

#include "FakeLoopbackAudio.h"
#include "KeyRhythmEffect.h"
#include "lightDealMain.h"
#include "LightPresetTables.h"
#include "LightTestSupport.h"
#include "LogCategories.h"
#include "SpectrumAnalyser.h"

#include <QSignalSpy>
#include <QtEndian>
#include <QtTest>

#include <cmath>

namespace {

constexpr int kPacketBytes = 1764;

colorInfoData rhythmRecord(bool fullColor)
{
    colorInfoData record = lightRecord(0, 100);
    record.ledModeType = fullColor ? 1 : 0;
    record.ledModeR = 255, record.ledModeG = 0, record.ledModeB = 0;
    return record;
}

// A spectrum with the given (frequency, amplitude) bins.
FrequencySpectrum spectrumOf(const QVector<QPair<double, double>> &bins)
{
    FrequencySpectrum spectrum(4096);
    for (int i = 0; i < bins.size(); ++i) {
        spectrum[i + 2].frequency = bins[i].first;
        spectrum[i + 2].amplitude = bins[i].second;
    }
    return spectrum;
}

// Packets of a 312.23 Hz tone (bin 29) in both channels, from frame `first` on, or silence.
QByteArray packet(int first, bool tone)
{
    QByteArray bytes(kPacketBytes, '\0');
    auto *p = reinterpret_cast<uchar *>(bytes.data());
    for (int i = 0; i < kPacketBytes / 4; ++i) {
        const qint16 v = tone ? qint16(std::lround(16384 * std::sin(2 * M_PI * 29 * (first + i) / 4096.0))) : 0;
        qToLittleEndian<qint16>(v, p + 4 * i);
        qToLittleEndian<qint16>(v, p + 4 * i + 2);
    }
    return bytes;
}

int barHeight(const lightDealMain &engine, int column)
{
    int height = 0;
    for (int row = 5; row >= 0 && engine.keyCell(row, column).level == 255; --row)
        ++height;
    return height;
}

}  // namespace

class MusicalRhythmTest : public QObject
{
    Q_OBJECT

private slots:
    void packetsMakeBlocks();
    void blockLinesOnlyWhenAsked();
    void bandsFromSpectra();
    void columnSplits_data();
    void columnSplits();
    void refusedLayouts();
    void wideLayoutWrapsTheColours();
    void watchRestartsTheCapture();
    void nothingOnceOff();
};

void MusicalRhythmTest::packetsMakeBlocks()
{
    FakeAudioLog log;
    lightDealMain engine;
    engine.initMusicalRhythm(104, 11, 30.0, 930.0);
    engine.setKeyboardLightConfig(rhythmRecord(true));
    engine.setAudioCaptureRunning(true);
    QCOMPARE(log.starts, 1);
    QSignalSpy analyses(engine.spectrumAnalyser(), &SpectrumAnalyser::spectrumChanged);
    QVector<int> analysedAt;
    int frame = 0;
    for (int n = 1; n <= 48; ++n) {
        // Packets 11 .. 19 carry the tone, the rest silence: the second block holds them.
        log.last->packet(packet(frame, n >= 11 && n <= 19));
        frame += kPacketBytes / 4;
        if (analyses.count() > analysedAt.size())
            analysedAt << n;
        if (n == 29) {
            QCOMPARE(analyses.count(), 2);
            QVERIFY(engine.bandLevels().at(3).value > 0.9);  // 312 Hz: band 3 of 30 .. 930 Hz
            for (int band : {0, 1, 5, 10})
                QCOMPARE(engine.bandLevels().at(band).value, 0.0);
        }
    }
    // The first packet to bring more than 16384 bytes, then every tenth such packet.
    QCOMPARE(analysedAt, (QVector<int>{10, 29, 48}));
    QCOMPARE(engine.audioBufferSize(), 0);
    engine.stopAllLightThreads();
}

namespace {

QStringList g_messages;

void keepMessage(QtMsgType, const QMessageLogContext &context, const QString &text)
{
    g_messages << QString::fromLatin1(context.category) + QLatin1Char(' ') + text;
}

}  // namespace

void MusicalRhythmTest::blockLinesOnlyWhenAsked()
{
    // The line of each analysed block (five or so a second) is logged only when its category is
    // turned on; the rest of zelka.audio keeps logging.
    QVERIFY(lcAudio().isDebugEnabled());
    QVERIFY(!lcAudioBlocks().isDebugEnabled());
    for (const bool asked : {false, true}) {
        if (asked)
            QLoggingCategory::setFilterRules(QStringLiteral("zelka.audio.blocks.debug=true"));
        FakeAudioLog log;
        lightDealMain engine;
        engine.initMusicalRhythm(104, 11, 30.0, 930.0);
        engine.setKeyboardLightConfig(rhythmRecord(true));
        engine.setAudioCaptureRunning(true);
        QSignalSpy analyses(engine.spectrumAnalyser(), &SpectrumAnalyser::spectrumChanged);
        g_messages.clear();
        const QtMessageHandler previous = qInstallMessageHandler(keepMessage);
        for (int n = 0; n < 10; ++n)
            log.last->packet(packet(n * kPacketBytes / 4, true));
        qInstallMessageHandler(previous);
        QCOMPARE(analyses.count(), 1);
        const QStringList lines = g_messages.filter(QStringLiteral("[Runing Deal]"));
        QCOMPARE(lines.size(), asked ? 1 : 0);
        if (asked)
            QVERIFY(lines.first().startsWith(QStringLiteral("zelka.audio.blocks ")));
        engine.stopAllLightThreads();
    }
    QLoggingCategory::setFilterRules(QString());
}

void MusicalRhythmTest::bandsFromSpectra()
{
    FakeAudioLog log;
    lightDealMain engine;
    engine.initMusicalRhythm(104, 11, 30.0, 930.0);
    engine.setKeyboardLightConfig(rhythmRecord(false));
    engine.setAudioCaptureRunning(true);
    // Band width 900 / 11 Hz: 40 Hz in band 0, 400 in band 4, 480 in band 5, 900 in band 10.
    engine.onSpectrumChanged(spectrumOf({{40.0, 0.0999}, {400.0, 0.55}, {480.0, 0.3}, {490.0, 0.7}, {900.0, 0.25}}));
    QCOMPARE(engine.bandLevels().at(0).value, 0.0999);
    QCOMPARE(KeyRhythm::level(0.0999), 0);
    QCOMPARE(barHeight(engine, 8), 5);  // band 4: 0.55 is level 4, rows 5 .. 1
    QCOMPARE(barHeight(engine, 9), 5);
    QCOMPARE(barHeight(engine, 10), 6);       // band 5: 0.7 is level 5, the largest bin counts
    QCOMPARE(barHeight(engine, 21), 3);       // band 10: 0.25 is level 2
    QCOMPARE(engine.keyCell(1, 8).state, 2);  // the top lit row fades
    QCOMPARE(engine.keyCell(2, 8).state, 0);
    QCOMPARE(engine.keyCell(0, 8).value, 0);
    QCOMPARE(engine.keyCell(5, 8).value, 4);
    // Level 0 lights the bottom row with value 0: it shows the background (black: alpha 0).
    QCOMPARE(barHeight(engine, 0), 1);
    QCOMPARE(engine.keyCell(5, 0).value, 0);
    QMetaObject::invokeMethod(&engine, "onDviceUpdateAllKeyColor", Qt::DirectConnection);
    QCOMPARE(engine.keyColor(5 * 22 + 0), QColor(0, 0, 0, 0));
    QCOMPARE(engine.keyColor(5 * 22 + 8).red(), 254);

    // Bins outside [30, 930) Hz leave every band at 0: every bar at level 0.
    engine.onSpectrumChanged(spectrumOf({{29.9, 1.0}, {930.0, 1.0}, {5000.0, 1.0}}));
    for (int band = 0; band < 11; ++band)
        QCOMPARE(engine.bandLevels().at(band).value, 0.0);
    for (int column = 0; column < 22; ++column)
        QCOMPARE(barHeight(engine, column), 1);
    engine.stopAllLightThreads();
}

void MusicalRhythmTest::columnSplits_data()
{
    QTest::addColumn<int>("keyNum");
    QTest::addColumn<QVector<int>>("columns");  // the first 11 entries of columnsPerBand
    QTest::newRow("104") << 104 << QVector<int>{2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2};
    QTest::newRow("61") << 61 << QVector<int>{1, 1, 1, 2, 2, 2, 2, 1, 1, 1, 1};
    QTest::newRow("84") << 84 << QVector<int>{1, 1, 1, 2, 2, 2, 2, 2, 1, 1, 1};
    QTest::newRow("82") << 82 << QVector<int>{1, 1, 2, 2, 2, 2, 2, 2, 1, 1, 1};
    QTest::newRow("87") << 87 << QVector<int>{1, 1, 2, 2, 2, 2, 2, 2, 2, 1, 1};
    QTest::newRow("98") << 98 << QVector<int>{1, 2, 2, 2, 2, 2, 2, 2, 2, 1, 1};
    QTest::newRow("34") << 34 << QVector<int>{0, 0, 1, 1, 1, 1, 1, 1, 1, 0, 0};
}

void MusicalRhythmTest::columnSplits()
{
    QFETCH(int, keyNum);
    QFETCH(QVector<int>, columns);
    FakeAudioLog log;
    lightDealMain engine;
    engine.initMusicalRhythm(keyNum, 11, 30.0, 930.0);
    QCOMPARE(engine.columnsPerBand().size(), 22);
    QCOMPARE(engine.columnsPerBand().mid(0, 11), columns);
    QCOMPARE(engine.columnsPerBand().mid(11), QVector<int>(11, 0));
    int given = 0;
    for (int c : columns)
        given += c;
    QCOMPARE(engine.bandOfColumn().size(), 22);
    for (int column = given; column < 22; ++column)
        QCOMPARE(engine.bandOfColumn().value(column), 0);
    if (keyNum == 104) {
        QCOMPARE(engine.bandOfColumn().value(21), 10);
        QCOMPARE(engine.bandOfColumn().value(7), 3);
    }
}

void MusicalRhythmTest::refusedLayouts()
{
    FakeAudioLog log;
    lightDealMain engine;
    engine.initMusicalRhythm(61, 11, 30.0, 930.0);
    const QVector<int> kept = engine.columnsPerBand();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("refuses"));
    engine.initMusicalRhythm(104, 0, 30.0, 930.0);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("refuses"));
    engine.initMusicalRhythm(104, 23, 30.0, 930.0);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("refuses"));
    engine.initMusicalRhythm(104, 11, 930.0, 930.0);
    QCOMPARE(engine.columnsPerBand(), kept);
    QCOMPARE(engine.bandLevels().size(), 11);
    QCOMPARE(engine.keyNum(), 61);
}

void MusicalRhythmTest::wideLayoutWrapsTheColours()
{
    FakeAudioLog log;
    lightDealMain engine;
    engine.initMusicalRhythm(104, 22, 30.0, 930.0);
    engine.setKeyboardLightConfig(rhythmRecord(true));
    // 22 bands against the 11 colours of the 104 layout: band 11 takes colour 0 again.
    QCOMPARE(QColor(engine.keyCell(0, 11).red, engine.keyCell(0, 11).green, engine.keyCell(0, 11).blue),
             LightTables::rhythmColorTable[0].color());
    QCOMPARE(QColor(engine.keyCell(3, 21).red, engine.keyCell(3, 21).green, engine.keyCell(3, 21).blue),
             LightTables::rhythmColorTable[10].color());
    engine.stopAllLightThreads();
}

void MusicalRhythmTest::watchRestartsTheCapture()
{
    FakeAudioLog log;
    lightDealMain engine;
    engine.setAudioCaptureRunning(true);
    QVERIFY(engine.isAudioWatchRunning());
    QCOMPARE(log.starts, 1);
    engine.onAudioOutputDevListChanging();  // the first check only records the name
    engine.onAudioOutputDevListChanging();
    QCOMPARE(log.starts, 1);
    QCOMPARE(engine.lastOutputDeviceName(), QStringLiteral("sink_a"));
    log.outputName = QStringLiteral("sink_b");
    engine.onAudioOutputDevListChanging();
    QCOMPARE(log.starts, 2);
    QCOMPARE(log.stops, 1);
    engine.onAudioOutputDevListChanging();
    QCOMPARE(log.starts, 2);

    // The capture ends by itself: the next check starts it again.
    log.last->end();
    QVERIFY(!log.last->isRunning());
    engine.onAudioOutputDevListChanging();
    QCOMPARE(log.starts, 3);
    QVERIFY(log.last->isRunning());

    // Failed starts are logged once and tried again every 5 s.
    log.last->end();
    log.failStarts = true;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("could not start"));
    engine.onAudioOutputDevListChanging();
    QCOMPARE(log.starts, 4);
    engine.onAudioOutputDevListChanging();
    QCOMPARE(log.starts, 4);
    QTest::qWait(lightDealMain::kCaptureRetryMs + 100);
    engine.onAudioOutputDevListChanging();  // no second log line
    QCOMPARE(log.starts >= 5, true);
    log.failStarts = false;
    QTest::qWait(lightDealMain::kCaptureRetryMs + 100);
    QTRY_VERIFY(log.last->isRunning());  // the watch's own timer retried
    engine.setAudioCaptureRunning(false);
}

void MusicalRhythmTest::nothingOnceOff()
{
    FakeAudioLog log;
    {
        lightDealMain engine;
        engine.initMusicalRhythm(104, 11, 30.0, 930.0);
        engine.setKeyboardLightConfig(rhythmRecord(false));
        engine.setAudioCaptureRunning(true);
        engine.setAudioCaptureRunning(false);
        QCOMPARE(log.stops, 1);
        QVERIFY(!engine.isAudioWatchRunning());
        engine.onSendCaptureAudioData(QByteArray(20000, '\0'));
        QCOMPARE(engine.audioBufferSize(), 0);
        engine.onSpectrumChanged(spectrumOf({{400.0, 1.0}}));
        for (int column = 0; column < 22; ++column)
            QCOMPARE(barHeight(engine, column), 0);
        QCOMPARE(engine.bandLevels().at(4).value, 0.0);
        engine.setAudioCaptureRunning(true);
        QVERIFY(log.last->isRunning());
        engine.stopAllLightThreads();
    }
    QCOMPARE(log.destroyedRunning, false);  // stopped before it was deleted
}

QTEST_MAIN(MusicalRhythmTest)
#include "tst_MusicalRhythm.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The spectrum analyser on synthetic blocks: the transform's layout and scale, the Hann window,
// the levels of the bins, and the blocks it drops.

#include "FFTRealWrapper.h"
#include "SpectrumAnalyser.h"
#include "SpectrumAnalyserThread.h"

#include <QSignalSpy>
#include <QtEndian>
#include <QtTest>

#include <cmath>
#include <functional>
#include <vector>

namespace {

constexpr int kSamples = 4096;

QAudioFormat stereo44100()
{
    QAudioFormat format;
    format.setSampleRate(44100);
    format.setChannelCount(2);
    format.setSampleSize(16);
    format.setCodec(QStringLiteral("audio/pcm"));
    format.setByteOrder(QAudioFormat::LittleEndian);
    format.setSampleType(QAudioFormat::SignedInt);
    return format;
}

// A stereo block of 4096 frames; left and right from the functions of the frame index.
QByteArray block(
    const std::function<int(int)> &left, const std::function<int(int)> &right = [](int) { return 0; })
{
    QByteArray bytes(kSamples * 4, '\0');
    auto *p = reinterpret_cast<uchar *>(bytes.data());
    for (int i = 0; i < kSamples; ++i) {
        qToLittleEndian<qint16>(qint16(std::clamp(left(i), -32768, 32767)), p + 4 * i);
        qToLittleEndian<qint16>(qint16(std::clamp(right(i), -32768, 32767)), p + 4 * i + 2);
    }
    return bytes;
}

int sine(int bin, int i, double amplitude = 32767.0)
{
    return int(std::lround(amplitude * std::sin(2.0 * M_PI * bin * i / kSamples)));
}

FrequencySpectrum analyse(const QByteArray &bytes)
{
    SpectrumAnalyser analyser;
    QSignalSpy spy(&analyser, &SpectrumAnalyser::spectrumChanged);
    analyser.calculate(bytes, stereo44100());
    if (spy.count() != 1)
        return FrequencySpectrum();
    return spy.at(0).at(0).value<FrequencySpectrum>();
}

}  // namespace

class SpectrumAnalyserTest : public QObject
{
    Q_OBJECT

private slots:
    void transformLayout();
    void hannSineOnABin();
    void silentBlocks_data();
    void silentBlocks();
    void binFrequencies();
    void busyAndCancelledDropBlocks();
    void shortBlockDropped();
};

void SpectrumAnalyserTest::transformLayout()
{
    FFTRealWrapper fft;
    std::vector<float> in(kSamples), out(kSamples);
    for (int i = 0; i < kSamples; ++i)
        in[size_t(i)] = float(std::cos(2.0 * M_PI * 5 * i / kSamples));
    fft.calculateFFT(out.data(), in.data());
    QVERIFY(std::abs(out[5] - 2048.0f) < 0.01f);
    QVERIFY(std::abs(out[2048 + 5]) < 0.01f);
    QVERIFY(std::abs(out[4]) < 0.01f);
    // A sine lands in the imaginary part.
    for (int i = 0; i < kSamples; ++i)
        in[size_t(i)] = float(std::sin(2.0 * M_PI * 7 * i / kSamples));
    fft.calculateFFT(out.data(), in.data());
    QVERIFY(std::abs(std::abs(out[2048 + 7]) - 2048.0f) < 0.01f);
    QVERIFY(std::abs(out[7]) < 0.01f);
}

void SpectrumAnalyserTest::hannSineOnABin()
{
    const FrequencySpectrum spectrum = analyse(block([](int i) { return sine(100, i); }));
    QCOMPARE(spectrum.count(), kSamples);
    // Full scale on bin 100 through the Hann window: magnitude 1023.7, level 0.15 ln of it.
    const double level = 0.15 * std::log(1023.7);
    QVERIFY(level > 1.0);
    QCOMPARE(spectrum[100].amplitude, 1.0);
    QVERIFY(spectrum[100].clipped);
    // The window's neighbours carry half the magnitude: 0.15 ln 511.9.
    QVERIFY(std::abs(spectrum[99].amplitude - 0.9358) < 0.001);
    QVERIFY(std::abs(spectrum[101].amplitude - 0.9358) < 0.001);
    QVERIFY(!spectrum[101].clipped);
    QCOMPARE(spectrum[102].amplitude, 0.0);
    QCOMPARE(spectrum[500].amplitude, 0.0);

    // Without a window the magnitude is the full 2048 x amplitude.
    SpectrumAnalyser plain;
    plain.worker()->setWindowFunction(NoWindow);
    QSignalSpy spy(&plain, &SpectrumAnalyser::spectrumChanged);
    plain.calculate(block([](int i) { return sine(100, i, 16384.0); }), stereo44100());
    QCOMPARE(spy.count(), 1);
    const FrequencySpectrum flat = spy.at(0).at(0).value<FrequencySpectrum>();
    QVERIFY(std::abs(flat[100].amplitude - std::min(1.0, 0.15 * std::log(1024.0))) < 1e-6);
}

void SpectrumAnalyserTest::silentBlocks_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("silence") << block([](int) { return 0; });
    QTest::newRow("a constant") << block([](int) { return 12000; });
    QTest::newRow("the right channel alone") << block([](int) { return 0; }, [](int i) { return sine(100, i); });
}

// Nothing in the left channel above the lowest bins: every written bin stays at 0.
void SpectrumAnalyserTest::silentBlocks()
{
    QFETCH(QByteArray, bytes);
    const FrequencySpectrum spectrum = analyse(bytes);
    QCOMPARE(spectrum.count(), kSamples);
    for (int i = 0; i < kSamples; ++i) {
        QCOMPARE(spectrum[i].amplitude, 0.0);
        QVERIFY(!spectrum[i].clipped);
    }
}

void SpectrumAnalyserTest::binFrequencies()
{
    SpectrumAnalyser analyser;
    QSignalSpy spy(&analyser, &SpectrumAnalyser::spectrumChanged);
    for (int run = 0; run < 3; ++run)
        analyser.calculate(block([](int i) { return sine(2049 - 1, i) + sine(3, i); }), stereo44100());
    QCOMPARE(spy.count(), 3);
    const FrequencySpectrum spectrum = spy.at(2).at(0).value<FrequencySpectrum>();
    QCOMPARE(spectrum[2048].frequency, 22050.0);
    QCOMPARE(spectrum[2].frequency, 2 * 44100 / 4096.0);
    QCOMPARE(spectrum[29].frequency, 29 * 44100 / 4096.0);
    for (const int i : {0, 1, 2049, 3000, 4095}) {
        QCOMPARE(spectrum[i].frequency, 0.0);
        QCOMPARE(spectrum[i].amplitude, 0.0);
    }
}

void SpectrumAnalyserTest::busyAndCancelledDropBlocks()
{
    SpectrumAnalyser analyser;
    const QByteArray tone = block([](int i) { return sine(100, i); });
    int received = 0;
    // A receiver that asks again while the first analysis is still Busy: dropped.
    connect(&analyser, &SpectrumAnalyser::spectrumChanged, this, [&] {
        ++received;
        QCOMPARE(analyser.state(), SpectrumAnalyser::Busy);
        analyser.calculate(tone, stereo44100());
    });
    analyser.calculate(tone, stereo44100());
    QCOMPARE(received, 1);
    QVERIFY(analyser.isReady());

    // Cancelled during the analysis: nothing is reported, and the analyser is Idle again.
    SpectrumAnalyser cancelled;
    QSignalSpy spy(&cancelled, &SpectrumAnalyser::spectrumChanged);
    connect(
        cancelled.worker(), &SpectrumAnalyserThread::calculationComplete, this, [&] { cancelled.cancel(); },
        Qt::DirectConnection);
    // The analyser's own slot was connected first; cancel from the worker before it instead.
    disconnect(cancelled.worker(), nullptr, &cancelled, nullptr);
    connect(cancelled.worker(), SIGNAL(calculationComplete(FrequencySpectrum)), &cancelled,
            SLOT(calculationComplete(FrequencySpectrum)));
    cancelled.calculate(tone, stereo44100());
    QCOMPARE(spy.count(), 0);
    QVERIFY(cancelled.isReady());
    cancelled.cancel();  // outside an analysis: stays Idle
    QCOMPARE(cancelled.state(), SpectrumAnalyser::Idle);
}

void SpectrumAnalyserTest::shortBlockDropped()
{
    SpectrumAnalyser analyser;
    QSignalSpy spy(&analyser, &SpectrumAnalyser::spectrumChanged);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("too short to analyse"));
    analyser.calculate(QByteArray(16383, '\1'), stereo44100());
    QCOMPARE(spy.count(), 0);
    QVERIFY(analyser.isReady());
    analyser.calculate(QByteArray(16384, '\0'), stereo44100());
    QCOMPARE(spy.count(), 1);
}

QTEST_MAIN(SpectrumAnalyserTest)
#include "tst_SpectrumAnalyser.moc"

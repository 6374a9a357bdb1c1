// SPDX-License-Identifier: GPL-3.0-or-later
#include "SpectrumAnalyserThread.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

constexpr double kLevelScale = 0.15;
constexpr int kFirstBin = 2;
constexpr float kSampleScale = 1.0f / 32768.0f;
// Squared magnitudes at which the level 0.15 x ln(magnitude) reaches 0 and 1.
constexpr float kSilentBelow = 1.0f;
const float kClippedAbove = float(std::exp(2.0 / kLevelScale));

// ln(x) for a normal positive float: x = m x 2^e with m in [sqrt(1/2), sqrt(2)), and
// ln(m) = 2 atanh(s), s = (m - 1) / (m + 1), |s| < 0.172, from its odd series (error below
// 1e-9 relative). Plain arithmetic, so the compiler can run it over many bins at once.
inline float fastLog(float x)
{
    uint32_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    int exponent = int((bits >> 23) & 0xff) - 127;
    bits = (bits & 0x007fffffu) | 0x3f800000u;  // mantissa in [1, 2)
    float m;
    std::memcpy(&m, &bits, sizeof m);
    if (m > 1.41421356f) {
        m *= 0.5f;
        ++exponent;
    }
    const float s = (m - 1.0f) / (m + 1.0f);
    const float s2 = s * s;
    const float series = s * (2.0f + s2 * (2.0f / 3.0f + s2 * (2.0f / 5.0f + s2 * (2.0f / 7.0f + s2 * (2.0f / 9.0f)))));
    return float(exponent) * 0.69314718f + series;
}

}  // namespace

SpectrumAnalyserThread::SpectrumAnalyserThread(QObject *parent)
    : QObject(parent)
    , m_fft(std::make_unique<FFTRealWrapper>())
    , m_spectrum(kSamples)
{
    rebuildWindow();
}

SpectrumAnalyserThread::~SpectrumAnalyserThread() = default;

void SpectrumAnalyserThread::setWindowFunction(WindowFunction type)
{
    m_windowFunction = type;
    rebuildWindow();
}

void SpectrumAnalyserThread::rebuildWindow()
{
    for (int i = 0; i < m_numSamples; ++i) {
        double weight = 0.0;
        if (m_windowFunction == NoWindow)
            weight = 1.0;
        else if (m_windowFunction == HannWindow)
            weight = 0.5 * (1.0 - std::cos(2.0 * M_PI * i / (m_numSamples - 1)));
        m_window[i] = float(weight);
        // A sample divided by 32768 and then weighted is the sample times this, exactly: the
        // division by a power of two only shifts the exponent.
        m_sampleWeight[i] = m_window[i] * kSampleScale;
    }
}

void SpectrumAnalyserThread::setBinFrequencies(int inputFrequency)
{
    m_binFrequencyRate = inputFrequency;
    for (int i = kFirstBin; i <= m_numSamples / 2; ++i)
        m_spectrum[i].frequency = double(qint64(i) * inputFrequency) / double(m_numSamples);
}

void SpectrumAnalyserThread::calculateSpectrum(const QByteArray &buffer, int inputFrequency, int bytesPerSample)
{
    const auto *bytes = reinterpret_cast<const uchar *>(buffer.constData());
    for (int i = 0; i < m_numSamples; ++i) {
        const int16_t sample = qFromLittleEndian<qint16>(bytes + qsizetype(i) * bytesPerSample);
        m_input[i] = float(sample) * m_sampleWeight[i];
    }
    m_fft->calculateFFT(m_output, m_input);

    if (inputFrequency != m_binFrequencyRate)
        setBinFrequencies(inputFrequency);

    const int half = m_numSamples / 2;
    for (int i = kFirstBin; i <= half; ++i) {
        const float re = m_output[i];
        const float im = i < half ? m_output[half + i] : 0.0f;
        m_squares[i] = re * re + im * im;
    }
    // level = 0.15 x ln(magnitude) = 0.075 x ln(magnitude^2); the logarithm only where the
    // level lies between 0 and 1.
    for (int i = kFirstBin; i <= half; ++i) {
        FrequencySpectrum::Bin &bin = m_spectrum[i];
        const float square = m_squares[i];
        if (square <= kSilentBelow) {
            bin.clipped = false;
            bin.amplitude = 0.0;
        } else if (square > kClippedAbove) {
            bin.clipped = true;
            bin.amplitude = 1.0;
        } else {
            const double level = 0.5 * kLevelScale * double(fastLog(square));
            bin.clipped = level > 1.0;
            bin.amplitude = std::min(std::max(level, 0.0), 1.0);
        }
    }
    emit calculationComplete(m_spectrum);
}

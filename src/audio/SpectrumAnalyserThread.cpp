// SPDX-License-Identifier: GPL-3.0-or-later
#include "SpectrumAnalyserThread.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kLevelScale = 0.15;
constexpr int kFirstBin = 2;

float pcmSampleToReal(int16_t sample)
{
    return float(sample / 32768.0);
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
    }
}

void SpectrumAnalyserThread::calculateSpectrum(const QByteArray &buffer, int inputFrequency, int bytesPerSample)
{
    const auto *bytes = reinterpret_cast<const uchar *>(buffer.constData());
    for (int i = 0; i < m_numSamples; ++i) {
        const int16_t sample = qFromLittleEndian<qint16>(bytes + qsizetype(i) * bytesPerSample);
        m_input[i] = pcmSampleToReal(sample) * m_window[i];
    }
    m_fft->calculateFFT(m_output, m_input);

    const int half = m_numSamples / 2;
    for (int i = kFirstBin; i <= half; ++i) {
        FrequencySpectrum::Bin &bin = m_spectrum[i];
        bin.frequency = double(qint64(i) * inputFrequency) / double(m_numSamples);
        const double re = m_output[i];
        const double im = i < half ? m_output[half + i] : 0.0;
        const double magnitude = std::sqrt(re * re + im * im);
        const double level = kLevelScale * std::log(magnitude);
        bin.clipped = level > 1.0;
        bin.amplitude = std::min(std::max(level, 0.0), 1.0);  // log(0) is -inf: 0
    }
    emit calculationComplete(m_spectrum);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The spectrum analyser's worker: windows a block of 16-bit samples, transforms it and fills a
// spectrum of 4096 bins. Despite its name it runs no thread of its own; it lives with its
// front, SpectrumAnalyser, and a calculation runs to its end inside the call.

#include "FFTRealWrapper.h"
#include "FrequencySpectrum.h"
#include "WindowFunction.h"

#include <QByteArray>
#include <QObject>

#include <memory>

class SpectrumAnalyserThread : public QObject
{
    Q_OBJECT
public:
    static constexpr int kSamples = FFTRealWrapper::kPoints;

    explicit SpectrumAnalyserThread(QObject *parent = nullptr);
    ~SpectrumAnalyserThread() override;

    WindowFunction windowFunction() const { return m_windowFunction; }

public slots:
    void setWindowFunction(WindowFunction type);
    // The block must hold kSamples samples, bytesPerSample apart; the first 16-bit channel of
    // each is read.
    void calculateSpectrum(const QByteArray &buffer, int inputFrequency, int bytesPerSample);

signals:
    void calculationComplete(const FrequencySpectrum &spectrum);

private:
    void rebuildWindow();
    void setBinFrequencies(int inputFrequency);

    std::unique_ptr<FFTRealWrapper> m_fft;
    int m_numSamples = kSamples;
    WindowFunction m_windowFunction = HannWindow;
    float m_window[kSamples] = {};
    float m_input[kSamples] = {};
    float m_output[kSamples] = {};
    // What stays from block to block: the window with the sample scale folded in, and the
    // bins' frequencies for the last sample rate.
    float m_sampleWeight[kSamples] = {};
    float m_squares[kSamples / 2 + 1] = {};
    int m_binFrequencyRate = 0;
    FrequencySpectrum m_spectrum;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#include "SpectrumAnalyser.h"

#include "LogCategories.h"
#include "SpectrumAnalyserThread.h"

#include <QMetaObject>

SpectrumAnalyser::SpectrumAnalyser(QObject *parent)
    : QObject(parent)
    , m_thread(new SpectrumAnalyserThread(this))
{
    qRegisterMetaType<FrequencySpectrum>("FrequencySpectrum");
    qRegisterMetaType<WindowFunction>("WindowFunction");
    const bool connected = connect(m_thread, SIGNAL(calculationComplete(FrequencySpectrum)), this,
                                   SLOT(calculationComplete(FrequencySpectrum)));
    Q_ASSERT_X(connected, "SpectrumAnalyser::SpectrumAnalyser", "CHECKED_CONNECT failed");
    if (!connected)
        qFatal("CHECKED_CONNECT failed: SpectrumAnalyser::SpectrumAnalyser (spectrumanalyser)");
}

SpectrumAnalyser::~SpectrumAnalyser() = default;

void SpectrumAnalyser::calculate(const QByteArray &buffer, const QAudioFormat &format)
{
    if (m_state != Idle)
        return;
    const int bytesPerSample = format.sampleSize() * format.channelCount() / 8;
    const int inputFrequency = format.sampleRate();
    // The worker reads the first 16-bit sample of each of 4096 whole frames.
    if (bytesPerSample < 2 || inputFrequency <= 0
        || buffer.size() < qsizetype(SpectrumAnalyserThread::kSamples) * bytesPerSample) {
        qCWarning(lcAudio) << "SpectrumAnalyser: a block of" << buffer.size() << "bytes at" << bytesPerSample
                           << "bytes per frame and" << inputFrequency << "Hz is too short to analyse; dropped";
        return;
    }
    m_state = Busy;
    QMetaObject::invokeMethod(m_thread, "calculateSpectrum", Qt::AutoConnection, Q_ARG(QByteArray, buffer),
                              Q_ARG(int, inputFrequency), Q_ARG(int, bytesPerSample));
}

void SpectrumAnalyser::cancel()
{
    if (m_state == Busy)
        m_state = Cancelled;
}

void SpectrumAnalyser::setWindowFunction(WindowFunction type)
{
    QMetaObject::invokeMethod(m_thread, "setWindowFunction", Qt::AutoConnection, Q_ARG(WindowFunction, type));
}

void SpectrumAnalyser::calculationComplete(const FrequencySpectrum &spectrum)
{
    if (m_state == Busy)
        emit spectrumChanged(spectrum);
    m_state = Idle;
}

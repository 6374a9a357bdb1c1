// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The spectrum analyser's front: takes a block of sound, has its worker analyse it and reports
// the spectrum, all before calculate returns. Blocks that come while an analysis runs are
// dropped; a cancelled analysis reports nothing.

#include "FrequencySpectrum.h"
#include "WindowFunction.h"

#include <QAudioFormat>
#include <QByteArray>
#include <QObject>

class SpectrumAnalyserThread;

class SpectrumAnalyser : public QObject
{
    Q_OBJECT
public:
    enum State { Idle = 0, Busy = 1, Cancelled = 2 };

    explicit SpectrumAnalyser(QObject *parent = nullptr);
    ~SpectrumAnalyser() override;

    // Analyses the first 4096 samples of buffer, laid out as format says. Ignored unless Idle;
    // a block shorter than 4096 whole frames is dropped with a log line.
    void calculate(const QByteArray &buffer, const QAudioFormat &format);
    bool isReady() const { return m_state == Idle; }
    State state() const { return m_state; }
    // Busy becomes Cancelled: the running analysis reports nothing.
    void cancel();
    void setWindowFunction(WindowFunction type);
    SpectrumAnalyserThread *worker() const { return m_thread; }

signals:
    void spectrumChanged(const FrequencySpectrum &spectrum);

private slots:
    void calculationComplete(const FrequencySpectrum &spectrum);

private:
    SpectrumAnalyserThread *m_thread = nullptr;
    State m_state = Idle;
};

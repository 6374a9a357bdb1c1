// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A test double of the loopback capture: started and stopped on demand, it emits the packets a
// test gives it, and can end by itself or refuse to start.

#include "LoopbackAudio.h"
#include "LoopbackAudioFactory.h"

struct FakeAudioLog;

class FakeLoopbackAudio : public LoopbackAudio
{
    Q_OBJECT
public:
    explicit FakeLoopbackAudio(FakeAudioLog &log)
        : m_log(log)
    {
    }
    ~FakeLoopbackAudio() override;
    int start() override;
    int stop() override;
    bool isRunning() const override { return m_running; }
    QString defaultOutputName() const override;

    void packet(const QByteArray &bytes) { emit sigSendCaptureAudioData(bytes); }
    void end()
    {
        m_running = false;
        emit sigCaptureEnded();
    }

private:
    FakeAudioLog &m_log;
    bool m_running = false;
};

// What happened to the captures made while it is installed as the factory's maker.
struct FakeAudioLog {
    int starts = 0;
    int stops = 0;
    bool failStarts = false;
    bool destroyedRunning = false;
    QString outputName = QStringLiteral("sink_a");
    FakeLoopbackAudio *last = nullptr;

    FakeAudioLog()
    {
        LoopbackAudioFactory::setMaker([this] { return last = new FakeLoopbackAudio(*this); });
    }
    ~FakeAudioLog() { LoopbackAudioFactory::setMaker({}); }
};

inline FakeLoopbackAudio::~FakeLoopbackAudio()
{
    m_log.destroyedRunning = m_running;
    if (m_log.last == this)
        m_log.last = nullptr;
}

inline int FakeLoopbackAudio::start()
{
    ++m_log.starts;
    if (m_log.failStarts)
        return -1;
    m_running = true;
    return 0;
}

inline int FakeLoopbackAudio::stop()
{
    ++m_log.stops;
    m_running = false;
    return 0;
}

inline QString FakeLoopbackAudio::defaultOutputName() const
{
    return m_log.outputName;
}

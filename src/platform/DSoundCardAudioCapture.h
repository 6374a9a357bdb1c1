// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The loopback capture over PulseAudio (and PipeWire's pulse server): records the monitor of
// the server's default sink as 16-bit stereo at 44100 Hz, the server converting whatever the
// sink plays, in fragments of 10 ms. It connects to the user's running server and never starts
// one. Its own thread runs the server connection's main loop; start and stop wake and join it,
// so a stop returns at once even while the stream is still being set up.

#include "LoopbackAudio.h"

#include <atomic>
#include <memory>
#include <mutex>

class DSoundCardAudioCapture : public LoopbackAudio
{
    Q_OBJECT
public:
    static constexpr int kSampleRate = 44100;
    static constexpr int kChannels = 2;
    static constexpr int kFragmentBytes = kSampleRate / 100 * kChannels * 2;  // 10 ms: 1764 bytes
    static constexpr int kStartWaitMs = 100;

    explicit DSoundCardAudioCapture(QObject *parent = nullptr);
    ~DSoundCardAudioCapture() override;

    int start() override;
    int stop() override;
    bool isRunning() const override { return m_running.load(); }
    QString defaultOutputName() const override;

    // The capture thread's name, as /proc shows it.
    static const char *threadName() { return "zelka-capture"; }

private:
    struct Session;
    friend struct Session;

    void endSession();
    void setDefaultOutputName(const QString &name);

    std::unique_ptr<Session> m_session;
    std::atomic<bool> m_running{false};
    mutable std::mutex m_nameLock;
    QString m_defaultOutputName;
};

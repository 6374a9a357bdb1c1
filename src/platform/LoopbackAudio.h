// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Loopback capture of what the computer plays on its default output: while running, packets of
// 16-bit signed little-endian PCM, 44100 Hz, 2 channels interleaved, arrive through
// sigSendCaptureAudioData (emitted on the capture's own thread; a receiver in the GUI thread
// gets them queued, each its own copy). start, stop and isRunning belong to the GUI thread.

#include <QByteArray>
#include <QObject>
#include <QString>

class LoopbackAudio : public QObject
{
    Q_OBJECT
public:
    explicit LoopbackAudio(QObject *parent = nullptr);
    ~LoopbackAudio() override;

    // 0 when the capture runs (its stream may become ready a little later), -1 when it could
    // not start; then nothing is left running.
    virtual int start() = 0;
    // Stops the capture and returns once its thread has ended; always 0, also when stopped.
    virtual int stop() = 0;
    // True from a successful start until stop, or until the capture ended by itself.
    virtual bool isRunning() const = 0;
    // The output the capture records: the sound server's default sink as last seen (empty
    // before anything was seen).
    virtual QString defaultOutputName() const = 0;

signals:
    void sigSendCaptureAudioData(QByteArray data);
    // The capture ended without a stop (the server went away or refused the stream).
    void sigCaptureEnded();
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The input hook of an X11 desktop: a worker thread records every client's key and button
// events (X11RecordSession) and queues them, batch by batch, to the GUI thread, where they are
// signalled in order. While running it grabs the keyboard with our focused window, so keys reach
// neither other programs nor our widgets; a grab held by another client is tried again for
// about 200 ms, then the capture runs without swallowing. When events wait 3 s for the GUI
// thread the grab ends, so a hung program does not hold the keyboard.

#include "InputHook.h"
#include "ThreadEnd.h"

#include <QElapsedTimer>
#include <QVector>

#include <atomic>
#include <memory>
#include <mutex>

class QThread;
class X11RecordSession;
struct X11RawEvent;

class X11InputHook : public InputHook
{
    Q_OBJECT
public:
    explicit X11InputHook(QObject *parent = nullptr);
    ~X11InputHook() override;

    Status start(quintptr grabWindow) override;
    void stop() override;
    bool isRunning() const override;
    QString startReason() const override;

    // Auto-repeats dropped since this object was made.
    quint64 droppedRepeats() const;
    // Whether the keyboard is grabbed right now.
    bool holdsGrab() const;

    // How long a batch may wait for the GUI thread before the grab ends (3 s).
    void setStallLimit(int milliseconds);

private:
    struct Batch {
        QVector<X11RawEvent> events;
        qint64 queuedAt = 0;
    };

    void deliver();
    void queueBatch(QVector<X11RawEvent> events);
    bool keepGrab();

    std::unique_ptr<X11RecordSession> m_session;
    QThread *m_thread = nullptr;
    QString m_reason;
    Status m_status = Status::Failed;
    bool m_running = false;
    int m_stallLimitMs = 3000;
    quint64 m_droppedBefore = 0;
    std::atomic<bool> m_grabHeld{false};
    ThreadEnd m_threadEnd;

    // Shared with the worker thread, under m_queueLock (a standard mutex, which race detectors see).
    std::mutex m_queueLock;
    QVector<Batch> m_queue;
    QElapsedTimer m_clock;
};

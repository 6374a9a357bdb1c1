// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A periodic millisecond timer. Its ticks come from the process-wide ticker thread, so
// sigTimeout is emitted on that thread: connect with Qt::DirectConnection for work that is
// safe there, or with the default connection to have the slot queued to the receiver's thread.
// A started timer costs a tick only while something is connected to sigTimeout: one started
// without a receiver keeps its flag and is scheduled once a receiver connects.

#include <QObject>

#include <mutex>

class Timer : public QObject
{
    Q_OBJECT
public:
    explicit Timer(QObject *parent = nullptr);
    ~Timer() override;

    // True while the ticker is actually scheduling this timer.
    bool isTicking() const;

signals:
    void sigTimeout();

public slots:
    // Starts ticking every timeInterval milliseconds (a running timer is restarted).
    void start(int timeInterval);
    // Stops ticking; once it returns no tick is being delivered and none follows.
    void stop();
    bool GetIsCreateFlag();

protected:
    void connectNotify(const QMetaMethod &signal) override;

private:
    void onTimerTick();
    void arm();  // m_mutex held

    mutable std::mutex m_mutex;  // connectNotify may come from any thread
    unsigned int m_timerId = 0;
    bool m_isCreateFlag = false;
    int m_interval = 0;
    bool m_hasReceiver = false;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A periodic millisecond timer. Its ticks come from the process-wide ticker thread, so
// sigTimeout is emitted on that thread: connect with Qt::DirectConnection for work that is
// safe there, or with the default connection to have the slot queued to the receiver's thread.

#include <QObject>

class Timer : public QObject
{
    Q_OBJECT
public:
    explicit Timer(QObject *parent = nullptr);
    ~Timer() override;

signals:
    void sigTimeout();

public slots:
    // Starts ticking every timeInterval milliseconds (a running timer is restarted).
    void start(int timeInterval);
    // Stops ticking; once it returns no tick is being delivered and none follows.
    void stop();
    bool GetIsCreateFlag();

private:
    void onTimerTick();

    unsigned int m_timerId = 0;
    bool m_isCreateFlag = false;
};

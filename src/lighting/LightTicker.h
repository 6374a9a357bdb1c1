// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pacing of one lighting activity. A ticker registers with the process-wide millisecond
// ticker thread while it runs; that thread only hands a tick over to the GUI thread, where
// the ticker emits its signal. At most one tick waits in the GUI thread: a tick that finds
// the previous one not yet taken is dropped, so a GUI that was busy for a while gets one
// tick, not a burst. Once setRunning(false) returns no further tick is emitted, not even one
// that was already on its way, and a start that follows at once is never lost. Tickers of one
// interval share their ticks' instants (the first tick comes one to two intervals after the
// start), so the keyboard's and the mouse's tickers wake the process together, and the ticks
// of one wake-up reach the GUI thread as one batch, in the order they came due.

#include <QObject>

#include <atomic>

class LightTicker : public QObject
{
    Q_OBJECT
public:
    ~LightTicker() override;

    void setRunning(bool running);
    bool isRunning() const { return m_running; }
    int intervalMs() const { return m_intervalMs; }

signals:
    // Emitted on the ticker thread; connected queued to deliverTick.
    void sigTickArrived(unsigned int generation);

protected:
    LightTicker(int intervalMs, QObject *parent);
    // Changes the period, in place while running.
    void setTickInterval(int intervalMs);
    // Emits the subclass's own signal.
    virtual void emitTick() = 0;

private:
    // Tick thread: queues the ticker's tick with the others of the same wake-up.
    static void handOver(LightTicker *ticker, unsigned int generation);
    // Application thread: delivers every tick handed over so far.
    static void deliverPending();
    void deliverTick(unsigned int generation);

    bool m_running = false;
    int m_intervalMs = 0;
    unsigned int m_registration = 0;
    unsigned int m_generation = 0;  // GUI thread; the ticker thread gets a copy per run
    std::atomic<bool> m_tickWaiting{false};
};

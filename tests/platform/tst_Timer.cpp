// SPDX-License-Identifier: GPL-3.0-or-later
#include "Timer.h"

#include <QElapsedTimer>
#include <QThread>
#include <QtTest>

#include <atomic>
#include <memory>

class TimerTest : public QObject
{
    Q_OBJECT
private slots:
    void ticksUntilStopped();
    void intervalIsHonoured();
    void stopFromInsideTheTick();
    void destroyedWhileRunning();
    void queuedToTheReceiversThread();
    void noReceiverNoTick();
};

void TimerTest::ticksUntilStopped()
{
    Timer timer;
    std::atomic<int> ticks{0};
    connect(
        &timer, &Timer::sigTimeout, this, [&] { ++ticks; }, Qt::DirectConnection);
    QVERIFY(!timer.GetIsCreateFlag());
    timer.start(1);
    QVERIFY(timer.GetIsCreateFlag());
    QTRY_VERIFY_WITH_TIMEOUT(ticks >= 10, 5000);

    timer.stop();
    QVERIFY(!timer.GetIsCreateFlag());
    const int atStop = ticks;
    QTest::qWait(50);
    QCOMPARE(ticks.load(), atStop);

    timer.stop();  // stopping a stopped timer does nothing
    QVERIFY(!timer.GetIsCreateFlag());

    timer.start(1);  // and it can run again
    QTRY_VERIFY_WITH_TIMEOUT(ticks > atStop, 5000);
}

void TimerTest::intervalIsHonoured()
{
    Timer fast;
    Timer slow;
    std::atomic<int> fastTicks{0};
    std::atomic<int> slowTicks{0};
    connect(
        &fast, &Timer::sigTimeout, this, [&] { ++fastTicks; }, Qt::DirectConnection);
    connect(
        &slow, &Timer::sigTimeout, this, [&] { ++slowTicks; }, Qt::DirectConnection);
    QElapsedTimer clock;
    clock.start();
    fast.start(1);
    slow.start(10);
    QTRY_VERIFY_WITH_TIMEOUT(slowTicks >= 5, 10000);
    slow.stop();
    fast.stop();
    const qint64 elapsed = clock.elapsed();
    // Deadlines are absolute and missed ones are skipped: never more ticks than intervals (one
    // interval of slack for where the clock was read; a catch-up burst would be far more).
    QVERIFY2(slowTicks <= elapsed / 10 + 2, qPrintable(QString::number(slowTicks) + " in " + QString::number(elapsed)));
    QVERIFY2(fastTicks <= elapsed + 2, qPrintable(QString::number(fastTicks) + " in " + QString::number(elapsed)));
    QVERIFY(fastTicks > slowTicks);
}

void TimerTest::stopFromInsideTheTick()
{
    Timer timer;
    std::atomic<int> ticks{0};
    connect(
        &timer, &Timer::sigTimeout, this,
        [&] {
            ++ticks;
            timer.stop();
        },
        Qt::DirectConnection);
    timer.start(1);
    QTRY_VERIFY_WITH_TIMEOUT(ticks >= 1, 5000);
    QTest::qWait(30);
    QCOMPARE(ticks.load(), 1);

    // The ticker still serves other timers afterwards.
    Timer other;
    std::atomic<int> otherTicks{0};
    connect(
        &other, &Timer::sigTimeout, this, [&] { ++otherTicks; }, Qt::DirectConnection);
    other.start(1);
    QTRY_VERIFY_WITH_TIMEOUT(otherTicks >= 3, 5000);
}

void TimerTest::destroyedWhileRunning()
{
    std::atomic<int> ticks{0};
    for (int i = 0; i < 20; ++i) {
        auto timer = std::make_unique<Timer>();
        connect(
            timer.get(), &Timer::sigTimeout, this, [&] { ++ticks; }, Qt::DirectConnection);
        timer->start(1);
        QThread::usleep(500 + 100 * i);
        timer.reset();  // must stop it first; a tick after this would touch freed memory
    }
    const int afterAll = ticks;
    QTest::qWait(20);
    QCOMPARE(ticks.load(), afterAll);
}

void TimerTest::queuedToTheReceiversThread()
{
    Timer timer;
    QObject receiver;
    QThread *seenOn = nullptr;
    connect(&timer, &Timer::sigTimeout, &receiver, [&] { seenOn = QThread::currentThread(); });
    timer.start(2);
    QTRY_VERIFY_WITH_TIMEOUT(seenOn != nullptr, 5000);
    timer.stop();
    QCOMPARE(seenOn, QThread::currentThread());
}

// A started timer that nobody listens to keeps its flag but is not scheduled; a receiver that
// connects later gets its ticks.
void TimerTest::noReceiverNoTick()
{
    Timer timer;
    timer.start(1);
    QVERIFY(timer.GetIsCreateFlag());
    QVERIFY(!timer.isTicking());

    std::atomic<int> ticks{0};
    connect(
        &timer, &Timer::sigTimeout, this, [&] { ++ticks; }, Qt::DirectConnection);
    QVERIFY(timer.isTicking());
    QTRY_VERIFY_WITH_TIMEOUT(ticks >= 3, 5000);

    timer.stop();
    QVERIFY(!timer.isTicking());
    QVERIFY(!timer.GetIsCreateFlag());
    timer.start(2);  // the receiver is still connected
    QVERIFY(timer.isTicking());
    timer.stop();
}

QTEST_GUILESS_MAIN(TimerTest)
#include "tst_Timer.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "LightTestSupport.h"
#include "MillisecondTicker.h"
#include "sendLightUpdataThread.h"
#include "updateLightMainThread.h"
#include "updateLightMainThreadAround.h"
#include "updateLightMainThreadSide.h"
#include "updateLightMainThreadUI.h"

#include <QElapsedTimer>
#include <QThread>
#include <QtTest>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <set>
#include <vector>

namespace {

// One ticker of each kind behind a common face: the ticker and a counter of its signal.
struct CountedTicker {
    std::unique_ptr<LightTicker> ticker;
    int ticks = 0;
};

std::unique_ptr<CountedTicker> makeTicker(int kind)
{
    auto counted = std::make_unique<CountedTicker>();
    CountedTicker *c = counted.get();
    switch (kind) {
    case 0: {
        auto *t = new updateLightMainThread;
        QObject::connect(t, &updateLightMainThread::sigDviceUpdateAllKeyColor, [c] { ++c->ticks; });
        t->setInterval(28);
        counted->ticker.reset(t);
        break;
    }
    case 1: {
        auto *t = new updateLightMainThreadSide;
        QObject::connect(t, &updateLightMainThreadSide::sigDviceUpdateAllKeyColorSide, [c] { ++c->ticks; });
        t->setInterval(28);
        counted->ticker.reset(t);
        break;
    }
    case 2: {
        auto *t = new updateLightMainThreadUI;
        QObject::connect(t, &updateLightMainThreadUI::sigDviceUpdateAllKeyColorUI, [c] { ++c->ticks; });
        counted->ticker.reset(t);
        break;
    }
    default: {
        auto *t = new sendLightUpdataThread;
        QObject::connect(t, &sendLightUpdataThread::sigDviceUpdateAllKeyColorSendKeyboardHid, [c] { ++c->ticks; });
        counted->ticker.reset(t);
        break;
    }
    }
    return counted;
}

}  // namespace

class LightTickersTest : public QObject
{
    Q_OBJECT
private slots:
    void construction();
    void intervalIsClamped_data();
    void intervalIsClamped();
    void kinds_data();
    void noTickAfterStopReturns_data() { kinds_data(); }
    void noTickAfterStopReturns();
    void stopThenStartKeepsTicking_data() { kinds_data(); }
    void stopThenStartKeepsTicking();
    void busyGuiGetsOneTickPerTicker();
    void intervalChangesWhileRunning();
    void runningEngineDestroyed();
    void gridPoints_data();
    void gridPoints();
    void alignedIntervalsShareWakeUps_data();
    void alignedIntervalsShareWakeUps();
    void alignedCadence();
    void tickEndsAnotherTicker_data();
    void tickEndsAnotherTicker();
};

void LightTickersTest::construction()
{
    updateLightMainThread key;
    updateLightMainThreadSide side;
    updateLightMainThreadUI preview;
    sendLightUpdataThread send;
    QVERIFY(!key.isRunning());
    QVERIFY(!side.isRunning());
    QVERIFY(!preview.isRunning());
    QVERIFY(!send.isRunning());
    QCOMPARE(key.intervalMs(), 15);
    QCOMPARE(side.intervalMs(), 15);
    QCOMPARE(preview.intervalMs(), 30);
    QCOMPARE(send.intervalMs(), 30);
}

void LightTickersTest::intervalIsClamped_data()
{
    QTest::addColumn<int>("requested");
    QTest::addColumn<int>("stored");
    QTest::newRow("below") << 5 << 8;
    QTest::newRow("above") << 40 << 28;
    QTest::newRow("inside") << 14 << 14;
    QTest::newRow("lower bound") << 8 << 8;
    QTest::newRow("upper bound") << 28 << 28;
    QTest::newRow("negative") << -100 << 8;
}

void LightTickersTest::intervalIsClamped()
{
    QFETCH(int, requested);
    QFETCH(int, stored);
    updateLightMainThread key;
    updateLightMainThreadSide side;
    key.setInterval(requested);
    side.setInterval(requested);
    QCOMPARE(key.intervalMs(), stored);
    QCOMPARE(side.intervalMs(), stored);
}

void LightTickersTest::kinds_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("key effect") << 0;
    QTest::newRow("side effect") << 1;
    QTest::newRow("preview") << 2;
    QTest::newRow("send") << 3;
}

void LightTickersTest::noTickAfterStopReturns()
{
    QFETCH(int, kind);
    auto counted = makeTicker(kind);
    counted->ticker->setRunning(true);
    QVERIFY(counted->ticker->isRunning());
    QTRY_VERIFY_WITH_TIMEOUT(counted->ticks >= 2, 5000);

    // Keep the GUI thread busy long enough that a tick is queued for it, then stop.
    QThread::msleep(80);
    counted->ticker->setRunning(false);
    QVERIFY(!counted->ticker->isRunning());
    const int atStop = counted->ticks;
    QTest::qWait(150);
    QCOMPARE(counted->ticks, atStop);
}

void LightTickersTest::stopThenStartKeepsTicking()
{
    QFETCH(int, kind);
    auto counted = makeTicker(kind);
    counted->ticker->setRunning(true);
    QTRY_VERIFY_WITH_TIMEOUT(counted->ticks >= 1, 5000);
    QThread::msleep(60);  // a tick waits in the queue
    counted->ticker->setRunning(false);
    counted->ticker->setRunning(true);
    QVERIFY(counted->ticker->isRunning());
    const int atRestart = counted->ticks;
    QTRY_VERIFY_WITH_TIMEOUT(counted->ticks >= atRestart + 3, 5000);
    counted->ticker->setRunning(true);  // a second start changes nothing
    QVERIFY(counted->ticker->isRunning());
}

void LightTickersTest::busyGuiGetsOneTickPerTicker()
{
    std::vector<std::unique_ptr<CountedTicker>> tickers;
    for (int kind = 0; kind < 4; ++kind) {
        tickers.push_back(makeTicker(kind));
        tickers.back()->ticker->setRunning(true);
    }
    QTRY_VERIFY_WITH_TIMEOUT(std::all_of(tickers.cbegin(), tickers.cend(), [](const auto &c) { return c->ticks >= 2; }),
                             5000);
    for (auto &c : tickers)
        c->ticks = 0;
    QThread::msleep(200);  // the GUI thread is blocked for seven or more periods of every ticker
    QCoreApplication::sendPostedEvents();
    for (auto &c : tickers)
        QVERIFY2(c->ticks <= 1, qPrintable(QString::number(c->ticks)));
    for (auto &c : tickers)
        c->ticker->setRunning(false);
}

void LightTickersTest::intervalChangesWhileRunning()
{
    // The tick thread changes a registration's period in place.
    std::atomic<int> calls{0};
    MillisecondTicker &thread = MillisecondTicker::instance();
    const unsigned int id = thread.add(100, [&] { ++calls; });
    QVERIFY(id != 0);
    QVERIFY(thread.setInterval(id, 2));
    QVERIFY(!thread.setInterval(id, 0));
    // 40 calls take 80 ms at 2 ms and four seconds at 100 ms; two seconds leave room for a
    // loaded machine and the race detector.
    QElapsedTimer timer;
    timer.start();
    while (calls < 40 && timer.elapsed() < 2000)
        QThread::msleep(5);
    const qint64 elapsedMs = timer.elapsed();
    const int fast = calls;
    thread.remove(id);
    QVERIFY(!thread.setInterval(id, 5));  // gone
    QVERIFY2(fast >= 40, qPrintable(QStringLiteral("%1 calls in %2 ms").arg(fast).arg(elapsedMs)));

    // And a running ticker takes a new interval without a restart.
    updateLightMainThread key;
    int ticks = 0;
    connect(&key, &updateLightMainThread::sigDviceUpdateAllKeyColor, [&] { ++ticks; });
    key.setInterval(28);
    key.setRunning(true);
    QTRY_VERIFY_WITH_TIMEOUT(ticks >= 1, 5000);
    key.setInterval(8);
    QCOMPARE(key.intervalMs(), 8);
    QVERIFY(key.isRunning());
    const int start = ticks;
    QTRY_VERIFY_WITH_TIMEOUT(ticks >= start + 10, 5000);
    key.setRunning(false);
}

void LightTickersTest::runningEngineDestroyed()
{
    auto view = std::make_unique<FakeKeyboardView>(10);
    auto engine = std::make_unique<lightDealMain>(TestEffects::table());
    view->attach(*engine);
    engine->setSideLightPresent(true);
    engine->setSideLightConfig(lightRecord(1, 0));
    engine->setKeyboardLightConfig(lightRecord(0, 0));
    engine->setHidSendThreadRunning(true);
    QTRY_VERIFY_WITH_TIMEOUT(engine->keyColor(0).isValid() && engine->keyColor(0).alpha() == 200, 5000);
    QThread::msleep(60);  // ticks of every ticker are queued for the engine
    engine.reset();
    QTest::qWait(100);  // and are never delivered into it
    view.reset();
}

void LightTickersTest::gridPoints_data()
{
    QTest::addColumn<qint64>("intervalUs");
    QTest::addColumn<qint64>("timeUs");
    QTest::addColumn<qint64>("pointUs");
    QTest::newRow("on the epoch") << qint64(8000) << qint64(0) << qint64(0);
    QTest::newRow("before the epoch") << qint64(8000) << qint64(-5000) << qint64(0);
    QTest::newRow("just after the epoch") << qint64(8000) << qint64(1) << qint64(8000);
    QTest::newRow("on a point") << qint64(8000) << qint64(24000) << qint64(24000);
    QTest::newRow("just after a point") << qint64(8000) << qint64(24001) << qint64(32000);
    QTest::newRow("just before a point") << qint64(30000) << qint64(89999) << qint64(90000);
    QTest::newRow("far on") << qint64(28000) << qint64(3600000001) << qint64(3600016000);
}

void LightTickersTest::gridPoints()
{
    QFETCH(qint64, intervalUs);
    QFETCH(qint64, timeUs);
    QFETCH(qint64, pointUs);
    using Clock = MillisecondTicker::Clock;
    const Clock::time_point epoch = Clock::now();
    const Clock::time_point point = MillisecondTicker::gridPointAtOrAfter(epoch, std::chrono::microseconds(intervalUs),
                                                                          epoch + std::chrono::microseconds(timeUs));
    QCOMPARE(qint64(std::chrono::duration_cast<std::chrono::microseconds>(point - epoch).count()), pointUs);
}

void LightTickersTest::alignedIntervalsShareWakeUps_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");         // a multiple of first
    QTest::addColumn<int>("secondAtStart");  // second's interval before it is changed to second
    QTest::newRow("equal") << 8 << 8 << 8;
    QTest::newRow("equal, slow") << 30 << 30 << 30;
    QTest::newRow("double") << 8 << 16 << 16;
    QTest::newRow("equal after a change of interval") << 8 << 8 << 28;
}

void LightTickersTest::alignedIntervalsShareWakeUps()
{
    // Registrations of one interval, or of a multiple of it, started apart, come due in the same
    // wake-ups of the tick thread: every wake-up that runs the second also runs the first.
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(int, secondAtStart);
    MillisecondTicker &thread = MillisecondTicker::instance();
    std::mutex mutex;
    std::vector<unsigned long long> firstWakeUps;
    std::vector<unsigned long long> secondWakeUps;
    auto recordInto = [&](std::vector<unsigned long long> &wakeUps) {
        return [&] {
            std::lock_guard<std::mutex> lock(mutex);
            wakeUps.push_back(thread.wakeUpCount());
        };
    };
    const unsigned int a = thread.add(first, recordInto(firstWakeUps), MillisecondTicker::Phase::Aligned);
    QThread::msleep(3);  // off the first one's phase
    const unsigned int b = thread.add(secondAtStart, recordInto(secondWakeUps), MillisecondTicker::Phase::Aligned);
    QVERIFY(a != 0 && b != 0);
    if (secondAtStart != second) {
        QThread::msleep(5);
        QVERIFY(thread.setInterval(b, second));
    }
    QThread::msleep(40 * second);
    thread.remove(b);
    thread.remove(a);

    std::lock_guard<std::mutex> lock(mutex);
    QVERIFY2(secondWakeUps.size() >= 5, qPrintable(QString::number(secondWakeUps.size())));
    QVERIFY(!firstWakeUps.empty());
    const std::set<unsigned long long> firstSet(firstWakeUps.cbegin(), firstWakeUps.cend());
    // A changed interval brings the second's next run within the new interval, which may be
    // before the first's first run (that comes one to two intervals after its start).
    for (unsigned long long wakeUp : secondWakeUps) {
        if (wakeUp < firstWakeUps.front())
            continue;
        QVERIFY2(firstSet.count(wakeUp) == 1,
                 qPrintable(QStringLiteral("wake-up %1 ran the second alone").arg(wakeUp)));
    }
    // One run per wake-up and registration.
    QCOMPARE(firstSet.size(), firstWakeUps.size());
}

void LightTickersTest::alignedCadence()
{
    // Aligning keeps the cadence: the k-th run (from 0) never comes before k + 1 intervals after
    // the registration (so never more runs than whole intervals), and the runs keep coming.
    using Clock = MillisecondTicker::Clock;
    constexpr int kIntervalMs = 8;
    MillisecondTicker &thread = MillisecondTicker::instance();
    std::mutex mutex;
    std::vector<Clock::time_point> runs;
    const Clock::time_point added = Clock::now();
    const unsigned int id = thread.add(
        kIntervalMs,
        [&] {
            std::lock_guard<std::mutex> lock(mutex);
            runs.push_back(Clock::now());
        },
        MillisecondTicker::Phase::Aligned);
    QVERIFY(id != 0);
    QThread::msleep(400);
    thread.remove(id);

    std::lock_guard<std::mutex> lock(mutex);
    for (size_t k = 0; k < runs.size(); ++k)
        QVERIFY2(runs[k] - added >= std::chrono::milliseconds(kIntervalMs) * (k + 1), qPrintable(QString::number(k)));
    // About 50 runs in 400 ms; loose for a loaded machine.
    QVERIFY2(runs.size() >= 12, qPrintable(QString::number(runs.size())));
}

void LightTickersTest::tickEndsAnotherTicker_data()
{
    QTest::addColumn<bool>("destroy");
    QTest::newRow("stopped") << false;
    QTest::newRow("destroyed") << true;
}

void LightTickersTest::tickEndsAnotherTicker()
{
    // Tickers of one interval get their ticks together; a tick's slot that stops or destroys the
    // other ticker leaves it silent from then on, whatever of its tick was already handed over.
    QFETCH(bool, destroy);
    updateLightMainThread key;
    auto around = std::make_unique<updateLightMainThreadAround>();
    key.setInterval(8);
    around->setInterval(8);
    int keyTicks = 0;
    int aroundTicks = 0;
    int aroundTicksAtEnd = -1;
    connect(&key, &updateLightMainThread::sigDviceUpdateAllKeyColor, this, [&] {
        if (++keyTicks != 10)
            return;
        aroundTicksAtEnd = aroundTicks;
        if (destroy)
            around.reset();
        else
            around->setRunning(false);
    });
    connect(around.get(), &updateLightMainThreadAround::sigDviceUpdateMouseAroundColor, this, [&] { ++aroundTicks; });
    around->setRunning(true);
    key.setRunning(true);
    QTRY_VERIFY_WITH_TIMEOUT(keyTicks >= 20, 5000);
    key.setRunning(false);
    QCOMPARE(aroundTicks, aroundTicksAtEnd);
    QVERIFY(aroundTicks >= 1);
}

QTEST_GUILESS_MAIN(LightTickersTest)
#include "tst_LightTickers.moc"

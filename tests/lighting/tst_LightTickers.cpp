// SPDX-License-Identifier: GPL-3.0-or-later
#include "LightTestSupport.h"
#include "MillisecondTicker.h"
#include "sendLightUpdataThread.h"
#include "updateLightMainThread.h"
#include "updateLightMainThreadSide.h"
#include "updateLightMainThreadUI.h"

#include <QElapsedTimer>
#include <QThread>
#include <QtTest>

#include <atomic>
#include <functional>
#include <memory>

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

QTEST_GUILESS_MAIN(LightTickersTest)
#include "tst_LightTickers.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The X11 input hook's latency and throughput on a private Xvfb (bench/support/run-on-xvfb.sh):
// keys injected with XTest (synced each), timed until their signal runs on the GUI thread;
// the error of the server's time stamps against the injection times; and a flood of 2000
// events at full speed, counted and timed until drained.

#include "X11InputHook.h"
#include "XTestInjector.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int kXCodeA = 38;            // X key code of a
const int kKeys[] = {38, 39, 40, 41};  // a, s, d, f

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t index = std::min(values.size() - 1, size_t(std::ceil(p * double(values.size())) - 1));
    return values[index];
}

struct Receiver {
    int seen = 0;
    quint32 lastTime = 0;
};

bool waitFor(Receiver &receiver, int count, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (receiver.seen < count) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (timer.elapsed() > timeoutMs)
            return false;
    }
    return true;
}

void BM_InputHookLatency(benchmark::State &state)
{
    XTestInjector injector;
    if (!injector.isOpen()) {
        state.SkipWithError("no X display with XTest (bench/support/run-on-xvfb.sh)");
        return;
    }
    X11InputHook hook;
    Receiver receiver;
    QObject::connect(&hook, &InputHook::keyEvent, [&](int, bool, quint32 time) {
        ++receiver.seen;
        receiver.lastTime = time;
    });
    if (hook.start(0) == InputHook::Status::Failed) {
        state.SkipWithError("the hook did not start");
        return;
    }
    const int samples = int(state.range(0));
    std::vector<double> press;
    std::vector<double> release;
    std::vector<double> stampError;
    QElapsedTimer clock;
    clock.start();
    for (auto _ : state) {
        qint64 lastInjectNs = -1;
        quint32 lastStamp = 0;
        for (int i = 0; i < samples; ++i) {
            for (bool down : {true, false}) {
                const int target = receiver.seen + 1;
                const qint64 before = clock.nsecsElapsed();
                injector.key(kXCodeA, down, true);
                if (!waitFor(receiver, target, 2000)) {
                    state.SkipWithError("an event was lost");
                    return;
                }
                const double micros = double(clock.nsecsElapsed() - before) / 1000.0;
                (down ? press : release).push_back(micros);
                if (lastInjectNs >= 0) {
                    const double injectGapMs = double(before - lastInjectNs) / 1e6;
                    const double stampGapMs = double(receiver.lastTime - lastStamp);
                    stampError.push_back(std::abs(stampGapMs - injectGapMs));
                }
                lastInjectNs = before;
                lastStamp = receiver.lastTime;
            }
        }
    }
    hook.stop();
    state.counters["press_p50_us"] = percentile(press, 0.50);
    state.counters["press_p99_us"] = percentile(press, 0.99);
    state.counters["release_p50_us"] = percentile(release, 0.50);
    state.counters["release_p99_us"] = percentile(release, 0.99);
    state.counters["stamp_error_p99_ms"] = percentile(stampError, 0.99);
}
BENCHMARK(BM_InputHookLatency)->Arg(500)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_InputHookFlood(benchmark::State &state)
{
    XTestInjector injector;
    if (!injector.isOpen()) {
        state.SkipWithError("no X display with XTest (bench/support/run-on-xvfb.sh)");
        return;
    }
    X11InputHook hook;
    Receiver receiver;
    QObject::connect(&hook, &InputHook::keyEvent, [&](int, bool, quint32) { ++receiver.seen; });
    if (hook.start(0) == InputHook::Status::Failed) {
        state.SkipWithError("the hook did not start");
        return;
    }
    const int events = int(state.range(0));
    double drainMs = 0;
    int lost = 0;
    for (auto _ : state) {
        receiver.seen = 0;
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < events / 2; ++i) {
            const int key = kKeys[i % 4];  // never one key twice in a row: no repeat look-alikes
            injector.key(key, true, false);
            injector.key(key, false, false);
        }
        injector.sync();
        waitFor(receiver, events, 10000);
        drainMs = double(timer.nsecsElapsed()) / 1e6;
        lost = events - receiver.seen;
    }
    hook.stop();
    state.counters["lost"] = lost;
    state.counters["drain_ms"] = drainMs;
}
BENCHMARK(BM_InputHookFlood)->Arg(2000)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

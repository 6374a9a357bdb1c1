// SPDX-License-Identifier: GPL-3.0-or-later
// Mouse lighting engine figures: the cost of one tick of each zone mode, and the CPU that the
// mouse's streamed lighting adds to a streaming keyboard over the emulator.

#include "Emulator.h"
#include "lightDealMain.h"
#include "MainHidInterFace.h"
#include "MillisecondTicker.h"
#include "MouseEffectTable.h"
#include "MouseLightButtonInterface.h"
#include "mouseLightDealMain.h"
#include "XmlRecords.h"

#include "../support/ProcThreads.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <new>
#include <string>
#include <vector>

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// Every allocation of the process is counted, so a benchmark can read the allocations of the
// code it runs.
namespace {
std::atomic<long long> g_allocations{0};
}

void *operator new(std::size_t size)
{
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    if (void *p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}

void operator delete(void *p) noexcept
{
    std::free(p);
}

void operator delete(void *p, std::size_t) noexcept
{
    std::free(p);
}

namespace {

qint64 processCpuNs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (qint64(usage.ru_utime.tv_sec) + usage.ru_stime.tv_sec) * 1000000000LL
           + (qint64(usage.ru_utime.tv_usec) + usage.ru_stime.tv_usec) * 1000LL;
}

// CPU of the process's threads whose names start with one of the prefixes.
qint64 threadCpuNs(const QStringList &namePrefixes)
{
    qint64 total = 0;
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString &tid : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile comm(tasks.filePath(tid + QStringLiteral("/comm")));
        if (!comm.open(QIODevice::ReadOnly))
            continue;
        const QString name = QString::fromLatin1(comm.readAll()).trimmed();
        if (!std::any_of(namePrefixes.cbegin(), namePrefixes.cend(),
                         [&](const QString &p) { return name.startsWith(p); }))
            continue;
        QFile stat(tasks.filePath(tid + QStringLiteral("/schedstat")));
        if (stat.open(QIODevice::ReadOnly))
            total += stat.readAll().split(' ').value(0).toLongLong();
    }
    return total;
}

void runEventLoop(std::chrono::milliseconds duration)
{
    QEventLoop loop;
    QTimer::singleShot(int(duration.count()), &loop, &QEventLoop::quit);
    loop.exec();
}

// An LED of the lighting page that exists and paints nothing.
class QuietLed : public MouseLightButtonInterface
{
public:
    void setColor(const QColor &color) override { benchmark::DoNotOptimize(color); }
    int validStatus() const override { return 1; }
};

void fillZone(MouseZone &zone, int ledType, bool fullColor)
{
    zone.params.ledType = ledType;
    zone.params.red = 40;
    zone.params.green = 200;
    zone.params.blue = 90;
    zone.params.bgBlue = 60;
    zone.fullColor = fullColor;
    zone.dimFactor = 140;  // one level below full brightness
}

// One tick of an Around mode over 18 LEDs, dimmed; arg 0 the mode, arg 1 full colour.
void BM_MouseAroundTick(benchmark::State &state)
{
    const MouseAroundEffect *entry = mouseEffectTable().aroundEffect(int(state.range(0)));
    MouseEffectState mouse;
    mouse.buttonCount = MouseEffectState::kLeds;
    for (bool &valid : mouse.ledValid)
        valid = true;
    mouse.dpiColor = QColor(0, 120, 255);
    fillZone(mouse.around, int(state.range(0)), state.range(1) != 0);
    entry->initialise(mouse);
    long long allocations = 0;
    long long ticks = 0;
    for (auto _ : state) {
        const long long before = g_allocations.load(std::memory_order_relaxed);
        entry->render(mouse);
        if (entry->press && ++ticks % 4 == 0)
            entry->press(mouse);
        allocations += g_allocations.load(std::memory_order_relaxed) - before;
        benchmark::DoNotOptimize(mouse.colors[17]);
    }
    state.counters["allocations_per_tick"] = double(allocations) / double(state.iterations());
}
BENCHMARK(BM_MouseAroundTick)
    ->ArgNames({"mode", "full"})
    ->ArgsProduct({{0, 1, 2, 3, 4, 6, 7, 8}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

// One tick of the Scroll and the Logo zone in the same mode, dimmed.
void BM_MouseScrollLogoTick(benchmark::State &state)
{
    const MouseZoneEffect *entry = mouseEffectTable().zoneEffect(int(state.range(0)));
    MouseEffectState mouse;
    mouse.dpiColor = QColor(0, 120, 255);
    fillZone(mouse.scroll, int(state.range(0)), state.range(1) != 0);
    fillZone(mouse.logo, int(state.range(0)), state.range(1) != 0);
    entry->initialise(mouse, MouseEffectState::kScrollCell);
    entry->initialise(mouse, MouseEffectState::kLogoCell);
    long long allocations = 0;
    for (auto _ : state) {
        const long long before = g_allocations.load(std::memory_order_relaxed);
        entry->render(mouse, MouseEffectState::kScrollCell);
        entry->render(mouse, MouseEffectState::kLogoCell);
        allocations += g_allocations.load(std::memory_order_relaxed) - before;
        benchmark::DoNotOptimize(mouse.colors[MouseEffectState::kLogoCell]);
    }
    state.counters["allocations_per_tick"] = double(allocations) / double(state.iterations());
}
BENCHMARK(BM_MouseScrollLogoTick)
    ->ArgNames({"mode", "full"})
    ->ArgsProduct({{0, 1, 2, 3}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

colorInfoData record(int zone, int ledType, int speed)
{
    colorInfoData r;
    r.ledKeyboardOrSide = zone;
    r.ledType = ledType;
    r.ledBrightness = 4;
    r.ledSpeed = speed;
    r.ledModeR = 40;
    r.ledModeG = 200;
    r.ledModeB = 90;
    r.ledModeType = 1;
    return r;
}

// Whole-process CPU over the emulator, preview off, 10 s each: idle (keyboard and mouse open,
// engines configured, nothing running), the keyboard alone running full-colour Wave streamed,
// then the mouse added with Around Wave, Scroll Neon and Logo Breath at the fastest speed,
// streamed as well, and last the mouse alone.
void BM_KeyboardAndMouseCpu(benchmark::State &state)
{
    emu::reset();
    const emu::DeviceId keyboard = emu::plug(emu::keyboardSpec(QStringLiteral("ZK87A")));
    const emu::DeviceId mouse = emu::plug(emu::mouseSpec(QStringLiteral("ZM1")));
    auto keyboardTransport = std::make_unique<MainHidInterFace>(0, QStringLiteral("ZK87A"));
    auto mouseTransport = std::make_unique<MainHidInterFace>(1, QStringLiteral("ZM1"));
    if (keyboardTransport->hidOpenPath(0, 0, emu::configurationPath(keyboard)) != 0
        || mouseTransport->hidOpenPath(0, 0, emu::configurationPath(mouse)) != 0) {
        state.SkipWithError("open failed");
        return;
    }
    keyboardTransport->start();
    mouseTransport->start();
    mouseTransport->setLightDataMode(1);

    lightDealMain keyboardEngine;
    keyboardEngine.setModelName(QStringLiteral("ZK87A"));
    keyboardEngine.setHidInterface(keyboardTransport.get());
    keyboardEngine.setPreviewEnabled(false);
    keyboardEngine.setSpeedAndBrightnessMaxNum(4, 4, 4, 4);

    std::vector<std::unique_ptr<QuietLed>> leds;
    QList<MouseLightButtonInterface *> ledList;
    for (int n = 0; n < MouseEffectState::kLeds; ++n) {
        leds.push_back(std::make_unique<QuietLed>());
        ledList << leds.back().get();
    }
    mouseLightDealMain mouseEngine;
    mouseEngine.setMouseLightButtons(ledList);
    mouseEngine.setHidInterface(mouseTransport.get());
    mouseEngine.setPreviewEnabled(false);
    mouseEngine.setSpeedAndBrightnessMaxNum(4, 4, 4, 4, 4, 4);
    runEventLoop(1s);

    // The transport's write and read threads, and the shared tick thread.
    const QStringList transportThreads = {QStringLiteral("zelka-hid-")};
    const QStringList tickThread = {QStringLiteral("zelka-tick")};
    ProcThreads::requireThreads(transportThreads);
    auto measure = [&](const char *prefix) {
        const qint64 process = processCpuNs();
        const qint64 io = threadCpuNs(transportThreads);
        const qint64 tick = threadCpuNs(tickThread);
        const unsigned long long wakeUps = MillisecondTicker::instance().wakeUpCount();
        const auto start = Clock::now();
        runEventLoop(10s);
        const double wall = double(std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now() - start).count());
        state.counters[std::string(prefix) + "_process_cpu_pct"] = 100.0 * double(processCpuNs() - process) / wall;
        state.counters[std::string(prefix) + "_transport_cpu_pct"] =
            100.0 * double(threadCpuNs(transportThreads) - io) / wall;
        state.counters[std::string(prefix) + "_tick_cpu_pct"] = 100.0 * double(threadCpuNs(tickThread) - tick) / wall;
        state.counters[std::string(prefix) + "_tick_wakeups_per_s"] =
            1e9 * double(MillisecondTicker::instance().wakeUpCount() - wakeUps) / wall;
    };
    colorInfoData wave = record(0, 2, 4);
    for (auto _ : state) {
        measure("idle");
        keyboardEngine.setKeyboardLightConfig(wave);
        keyboardTransport->setLightDataEnabled(true);
        keyboardEngine.setLightSynchronize(true);
        keyboardEngine.setHidSendThreadRunning(true);
        measure("keyboard");
        mouseEngine.setScrollLightConfig(record(1, 1, 4));
        mouseEngine.setLogoLightConfig(record(2, 2, 4));
        mouseEngine.setAroundLightConfig(record(0, 2, 4));
        mouseEngine.clearAllLed();
        mouseTransport->setLightDataEnabled(true);
        mouseEngine.setLightSynchronize(true);
        mouseEngine.setHidSendThreadRunning(true);
        emu::clearWritten(mouse);
        measure("keyboard_and_mouse");
        state.counters["mouse_reports_per_s"] = double(emu::writtenCommand(mouse, 0x48).size()) / 10.0;
        keyboardEngine.setHidSendThreadRunning(false);
        keyboardEngine.setLightSynchronize(false);
        keyboardEngine.stopAllLightThreads();
        measure("mouse");
        mouseEngine.setHidSendThreadRunning(false);
        mouseEngine.setLightSynchronize(false);
        mouseEngine.stopAllLightThreads();
    }
    keyboardTransport.reset();
    mouseTransport.reset();
    emu::reset();
}
BENCHMARK(BM_KeyboardAndMouseCpu)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

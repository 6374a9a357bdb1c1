// SPDX-License-Identifier: GPL-3.0-or-later
// Keyboard lighting engine figures against the emulator: the cost of one colour frame, the
// accuracy of the tickers, and the CPU of streaming a still frame with light synchronisation on.

#include "Emulator.h"
#include "KeyEffectState.h"
#include "KeyReactiveEffects.h"
#include "KeyRhythmEffect.h"
#include "KeyRippleEffects.h"
#include "lightDealMain.h"
#include "LightEffectTable.h"
#include "MainHidInterFace.h"
#include "sendLightUpdataThread.h"
#include "SideEffectState.h"
#include "SideWaveSets.h"
#include "SpectrumAnalyser.h"
#include "Timer.h"
#include "updateLightMainThread.h"
#include "XmlRecords.h"

#include "../support/ProcThreads.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QtEndian>
#include <QTimer>

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <new>
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

qint64 processCpuNs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (qint64(usage.ru_utime.tv_sec) + usage.ru_stime.tv_sec) * 1000000000LL
           + (qint64(usage.ru_utime.tv_usec) + usage.ru_stime.tv_usec) * 1000LL;
}

void runEventLoop(std::chrono::milliseconds duration)
{
    QEventLoop loop;
    QTimer::singleShot(int(duration.count()), &loop, &QEventLoop::quit);
    loop.exec();
}

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t index = std::min(values.size() - 1, size_t(p * double(values.size() - 1) + 0.5));
    return values[index];
}

colorInfoData stillRecord()
{
    colorInfoData record;
    record.ledType = 13;  // no effect: the frame stays as it is
    record.ledBrightness = 4;
    return record;
}

// One key frame and one side frame into the lighting-frame queue of an open keyboard
// transport (its I/O thread not started, the queue emptied after each frame).
void BM_SendLightFrames(benchmark::State &state)
{
    emu::reset();
    // 0: a 33-LED strip, 1: a 49-LED strip, 2: the engine alone (no transport set).
    const QString model = state.range(0) == 1 ? QStringLiteral("ZK104S") : QStringLiteral("ZK87A");
    const emu::DeviceId keyboard = emu::plug(emu::keyboardSpec(model));
    MainHidInterFace transport(0, model);
    if (transport.hidOpenPath(0, 0, emu::configurationPath(keyboard)) != 0) {
        state.SkipWithError("open failed");
        return;
    }
    transport.setLightDataEnabled(true);
    lightDealMain engine;
    engine.setModelName(model);
    engine.setHidInterface(state.range(0) == 2 ? nullptr : &transport);
    engine.setKeyboardLightConfig(stillRecord());
    engine.stopAllLightThreads();

    long long allocations = 0;
    for (auto _ : state) {
        const long long before = g_allocations.load(std::memory_order_relaxed);
        engine.sendLightFrames();
        allocations += g_allocations.load(std::memory_order_relaxed) - before;
        transport.clearLightDataList();
    }
    state.counters["allocations_per_frame"] = double(allocations) / double(state.iterations());
    state.counters["reports_per_frame"] = state.range(0) == 1 ? 11 : 10;
    transport.closeHidDevice();
    emu::reset();
}
BENCHMARK(BM_SendLightFrames)->ArgName("strip")->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// The tick periods an engine slot sees over 10 s of an otherwise idle event loop.
void BM_TickerAccuracy(benchmark::State &state)
{
    const int period = int(state.range(0));
    std::unique_ptr<LightTicker> ticker;
    std::vector<Clock::time_point> ticks;
    ticks.reserve(2000);
    if (period == 30) {
        auto *send = new sendLightUpdataThread;
        QObject::connect(send, &sendLightUpdataThread::sigDviceUpdateAllKeyColorSendKeyboardHid,
                         [&] { ticks.push_back(Clock::now()); });
        ticker.reset(send);
    } else {
        auto *key = new updateLightMainThread;
        key->setInterval(period);
        QObject::connect(key, &updateLightMainThread::sigDviceUpdateAllKeyColor,
                         [&] { ticks.push_back(Clock::now()); });
        ticker.reset(key);
    }
    for (auto _ : state) {
        ticker->setRunning(true);
        runEventLoop(10s);
        ticker->setRunning(false);
    }
    std::vector<double> periods;
    for (size_t i = 1; i < ticks.size(); ++i)
        periods.push_back(double(std::chrono::duration_cast<std::chrono::microseconds>(ticks[i] - ticks[i - 1]).count())
                          / 1000.0);
    double sum = 0;
    for (double p : periods)
        sum += p;
    const double mean = periods.empty() ? 0 : sum / double(periods.size());
    std::vector<double> lateness;
    for (double p : periods)
        lateness.push_back(p - period);
    state.counters["ticks"] = double(ticks.size());
    state.counters["mean_period_ms"] = mean;
    state.counters["p99_lateness_ms"] = percentile(lateness, 0.99);
    state.counters["max_lateness_ms"] = percentile(lateness, 1.0);
}
BENCHMARK(BM_TickerAccuracy)->ArgName("period_ms")->Arg(15)->Arg(30)->Iterations(1)->Unit(benchmark::kSecond);

// For scale: the same periods as the tick thread itself keeps them (a platform Timer whose
// tick is taken on that thread), in the same run.
void BM_TickThreadAccuracy(benchmark::State &state)
{
    const int period = int(state.range(0));
    std::mutex mutex;
    std::vector<Clock::time_point> ticks;
    ticks.reserve(2000);
    Timer timer;
    QObject::connect(
        &timer, &Timer::sigTimeout, &timer,
        [&] {
            std::lock_guard<std::mutex> lock(mutex);
            ticks.push_back(Clock::now());
        },
        Qt::DirectConnection);
    for (auto _ : state) {
        timer.start(period);
        runEventLoop(10s);
        timer.stop();
    }
    const double span =
        ticks.size() > 1
            ? double(std::chrono::duration_cast<std::chrono::microseconds>(ticks.back() - ticks.front()).count())
                  / 1000.0
            : 0;
    state.counters["ticks"] = double(ticks.size());
    state.counters["mean_period_ms"] = ticks.size() > 1 ? span / double(ticks.size() - 1) : 0;
}
BENCHMARK(BM_TickThreadAccuracy)->ArgName("period_ms")->Arg(15)->Arg(30)->Iterations(1)->Unit(benchmark::kSecond);

// Engine, tickers and a keyboard transport on the emulator: 10 s idle (device open, engine
// configured, nothing streamed), then 10 s with light synchronisation on and a still frame
// streamed every 30 ms, preview off.
void BM_StreamingCpu(benchmark::State &state)
{
    emu::reset();
    const emu::DeviceId keyboard = emu::plug(emu::keyboardSpec(QStringLiteral("ZK87A")));
    auto transport = std::make_unique<MainHidInterFace>(0, QStringLiteral("ZK87A"));
    if (transport->hidOpenPath(0, 0, emu::configurationPath(keyboard)) != 0) {
        state.SkipWithError("open failed");
        return;
    }
    transport->start();
    lightDealMain engine;
    engine.setModelName(QStringLiteral("ZK87A"));
    engine.setHidInterface(transport.get());
    engine.setPreviewEnabled(false);
    engine.setSpeedAndBrightnessMaxNum(4, 4, 4, 4);
    runEventLoop(1s);

    // The transport's write and read threads, and the shared tick thread.
    const QStringList transportThreads = {QStringLiteral("zelka-hid-")};
    const QStringList tickThread = {QStringLiteral("zelka-tick")};
    ProcThreads::requireThreads(transportThreads);
    auto measure = [&](const char *prefix) {
        const qint64 process = processCpuNs();
        const qint64 io = threadCpuNs(transportThreads);
        const qint64 tick = threadCpuNs(tickThread);
        const auto start = Clock::now();
        runEventLoop(10s);
        const double wall = double(std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now() - start).count());
        state.counters[std::string(prefix) + "_process_cpu_pct"] = 100.0 * double(processCpuNs() - process) / wall;
        state.counters[std::string(prefix) + "_transport_cpu_pct"] =
            100.0 * double(threadCpuNs(transportThreads) - io) / wall;
        state.counters[std::string(prefix) + "_tick_cpu_pct"] = 100.0 * double(threadCpuNs(tickThread) - tick) / wall;
    };
    for (auto _ : state) {
        measure("idle");
        emu::clearWritten(keyboard);
        engine.setKeyboardLightConfig(stillRecord());
        transport->setLightDataEnabled(true);
        engine.setLightSynchronize(true);
        engine.setHidSendThreadRunning(true);
        measure("streaming");
        engine.setHidSendThreadRunning(false);
        engine.setLightSynchronize(false);
        engine.stopAllLightThreads();
    }
    state.counters["frames_written"] = double(emu::writtenCommand(keyboard, 0x0F).size()) / 10.0;
    transport.reset();
    emu::reset();
}
BENCHMARK(BM_StreamingCpu)->Iterations(1)->Unit(benchmark::kSecond);

// One frame of a key effect over the 132 keys of a 104-key layout, dimmed one level below full
// brightness; arg 0 the effect id, arg 1 full colour.
void BM_KeyEffectFrame(benchmark::State &state)
{
    const KeyEffectEntry *entry = keyboardEffectTable().keyEffect(int(state.range(0)));
    KeyEffectState keys;
    keys.params.ledType = int(state.range(0));
    keys.params.red = 40;
    keys.params.green = 200;
    keys.params.blue = 90;
    keys.fullColor = state.range(1) != 0;
    keys.dimFactor = 140;
    entry->initialise(keys);
    uint32_t frame = 0;
    long long allocations = 0;
    for (auto _ : state) {
        const long long before = g_allocations.load(std::memory_order_relaxed);
        entry->render(keys, ++frame);
        allocations += g_allocations.load(std::memory_order_relaxed) - before;
        benchmark::DoNotOptimize(keys.colors[131]);
    }
    state.counters["allocations_per_frame"] = double(allocations) / double(state.iterations());
}
BENCHMARK(BM_KeyEffectFrame)
    ->ArgNames({"effect", "full"})
    ->ArgsProduct({{0, 1, 2, 3, 4, 5, 9, 10}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

// One frame of a key effect that answers presses, kept busy: the reactive effects take a burst
// of 20 presses every 64 frames, the ripple effects are topped up to 20 shapes in flight before
// every frame (both inside the timing). Arg 0 the effect id (108: Ripple's diamond form), arg 1
// full colour.
void BM_PressedKeyEffectFrame(benchmark::State &state)
{
    const int id = int(state.range(0)) == 108 ? 8 : int(state.range(0));
    const KeyEffectEntry *entry = keyboardEffectTable().keyEffect(id);
    auto keys = std::make_unique<KeyEffectState>();
    keys->params.ledType = id;
    keys->params.red = 40;
    keys->params.green = 200;
    keys->params.blue = 90;
    keys->fullColor = state.range(1) != 0;
    keys->m252Chip = state.range(0) == 108;
    keys->dimFactor = 140;
    entry->initialise(*keys);
    const bool ripple = id == 7 || id == 8 || id == 16;
    uint32_t frame = 0;
    int next = 0;
    long long allocations = 0;
    for (auto _ : state) {
        const long long before = g_allocations.load(std::memory_order_relaxed);
        if (entry->press && (ripple || frame % 64 == 0)) {
            for (int i = 0; i < 20 && (ripple ? keys->ripples.isFree(0) : true); ++i, ++next)
                entry->press(*keys, next % 6, (next * 7) % 22);
        }
        entry->render(*keys, ++frame);
        allocations += g_allocations.load(std::memory_order_relaxed) - before;
        benchmark::DoNotOptimize(keys->colors[131]);
    }
    state.counters["allocations_per_frame"] = double(allocations) / double(state.iterations());
}
BENCHMARK(BM_PressedKeyEffectFrame)
    ->ArgNames({"effect", "full"})
    ->ArgsProduct({{6, 11, 12, 15, 7, 8, 108, 16, 14}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

// One press of Cross: its column and row, 28 cells.
void BM_CrossPress(benchmark::State &state)
{
    auto keys = std::make_unique<KeyEffectState>();
    keys->fullColor = true;
    initCrossEffect(*keys);
    int next = 0;
    for (auto _ : state) {
        pressCrossKey(*keys, next % 6, next % 22);
        ++next;
        benchmark::DoNotOptimize(keys->cells[0][0]);
    }
}
BENCHMARK(BM_CrossPress)->Unit(benchmark::kNanosecond);

// One frame of a side effect over a strip of 60 LEDs with the 49-LED Wave set; arg 0 the
// effect id, arg 1 full colour.
void BM_SideEffectFrame(benchmark::State &state)
{
    const SideEffectEntry *entry = keyboardEffectTable().sideEffect(int(state.range(0)));
    auto side = std::make_unique<SideEffectState>();
    side->params.ledType = int(state.range(0));
    side->params.red = 40;
    side->params.green = 200;
    side->params.blue = 90;
    side->fullColor = state.range(1) != 0;
    side->dimFactor = 140;
    side->ledCount = SideEffectState::kLeds;
    for (bool &valid : side->valid)
        valid = true;
    side->waveSet = SideWaveSets::forModel(QStringLiteral("ZK104S"));
    entry->initialise(*side);
    uint32_t frame = 0;
    long long allocations = 0;
    for (auto _ : state) {
        const long long before = g_allocations.load(std::memory_order_relaxed);
        entry->render(*side, ++frame);
        allocations += g_allocations.load(std::memory_order_relaxed) - before;
        benchmark::DoNotOptimize(side->colors[59]);
    }
    state.counters["allocations_per_frame"] = double(allocations) / double(state.iterations());
}
BENCHMARK(BM_SideEffectFrame)
    ->ArgNames({"effect", "full"})
    ->ArgsProduct({{0, 1, 2, 3, 4}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

// One analysis of a 4096-frame stereo block (a tone on bin 29 and noise), as the engine asks for
// it: window, transform and the 2047 levels.
void BM_SpectrumAnalysis(benchmark::State &state)
{
    QAudioFormat format;
    format.setSampleRate(44100);
    format.setChannelCount(2);
    format.setSampleSize(16);
    format.setCodec(QStringLiteral("audio/pcm"));
    format.setByteOrder(QAudioFormat::LittleEndian);
    format.setSampleType(QAudioFormat::SignedInt);
    QByteArray block(16384, '\0');
    auto *p = reinterpret_cast<uchar *>(block.data());
    uint32_t noise = 1;
    for (int i = 0; i < 4096; ++i) {
        noise = noise * 1103515245u + 12345u;
        const int v = int(12000 * std::sin(2 * M_PI * 29 * i / 4096.0)) + int((noise >> 16) % 2000) - 1000;
        qToLittleEndian<qint16>(qint16(v), p + 4 * i);
        qToLittleEndian<qint16>(qint16(v), p + 4 * i + 2);
    }
    SpectrumAnalyser analyser;
    double level = 0;
    QObject::connect(&analyser, &SpectrumAnalyser::spectrumChanged,
                     [&](const FrequencySpectrum &spectrum) { level = spectrum[29].amplitude; });
    for (auto _ : state) {
        analyser.calculate(block, format);
        benchmark::DoNotOptimize(level);
    }
    state.counters["bin29_level"] = level;
}
BENCHMARK(BM_SpectrumAnalysis)->Unit(benchmark::kMicrosecond);

// One Musical Rhythm frame over the 132 keys while bars of every height fade; arg: full colour.
void BM_MusicalRhythmFrame(benchmark::State &state)
{
    auto keys = std::make_unique<KeyEffectState>();
    keys->fullColor = state.range(0) != 0;
    keys->params.red = 40;
    keys->dimFactor = 140;
    for (int column = 0; column < KeyEffectState::kColumns; ++column)
        keys->rhythmBandOfColumn[column] = uint8_t(column / 2);
    initMusicalRhythmEffect(*keys);
    uint32_t frame = 0;
    long long allocations = 0;
    for (auto _ : state) {
        const long long before = g_allocations.load(std::memory_order_relaxed);
        if (frame % 14 == 0)
            for (int band = 0; band < 11; ++band)
                KeyRhythm::drawRhythmBar(*keys, int((band + frame) % 6), 2 * band, 2);
        renderMusicalRhythmFrame(*keys, ++frame);
        allocations += g_allocations.load(std::memory_order_relaxed) - before;
        benchmark::DoNotOptimize(keys->colors[131]);
    }
    state.counters["allocations_per_frame"] = double(allocations) / double(state.iterations());
}
BENCHMARK(BM_MusicalRhythmFrame)->ArgName("full")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Whole-process CPU of full-colour Wave on the engine and a keyboard transport over the
// emulator, preview off: 10 s idle, 10 s with Wave running, 10 s with Wave streamed.
void BM_WaveCpu(benchmark::State &state)
{
    emu::reset();
    const emu::DeviceId keyboard = emu::plug(emu::keyboardSpec(QStringLiteral("ZK87A")));
    auto transport = std::make_unique<MainHidInterFace>(0, QStringLiteral("ZK87A"));
    if (transport->hidOpenPath(0, 0, emu::configurationPath(keyboard)) != 0) {
        state.SkipWithError("open failed");
        return;
    }
    transport->start();
    lightDealMain engine;
    engine.setModelName(QStringLiteral("ZK87A"));
    engine.setHidInterface(transport.get());
    engine.setPreviewEnabled(false);
    engine.setSpeedAndBrightnessMaxNum(4, 4, 4, 4);
    runEventLoop(1s);
    auto measure = [&](const char *prefix) {
        const qint64 process = processCpuNs();
        const auto start = Clock::now();
        runEventLoop(10s);
        const double wall = double(std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now() - start).count());
        state.counters[std::string(prefix) + "_process_cpu_pct"] = 100.0 * double(processCpuNs() - process) / wall;
    };
    colorInfoData wave;
    wave.ledType = 2;
    wave.ledBrightness = 4;
    wave.ledSpeed = 4;
    wave.ledModeType = 1;
    for (auto _ : state) {
        measure("idle");
        engine.setKeyboardLightConfig(wave);
        measure("wave");
        transport->setLightDataEnabled(true);
        engine.setLightSynchronize(true);
        engine.setHidSendThreadRunning(true);
        measure("wave_streaming");
        engine.setHidSendThreadRunning(false);
        engine.setLightSynchronize(false);
        engine.stopAllLightThreads();
    }
    transport.reset();
    emu::reset();
}
BENCHMARK(BM_WaveCpu)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

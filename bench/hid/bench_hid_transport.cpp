// SPDX-License-Identifier: GPL-3.0-or-later
// Transport figures against the emulator: CPU of idle open devices, command latency, and
// a lighting stream to a slow device. Each runs once for a fixed time and reports counters.

#include "Emulator.h"
#include "MainHidInterFace.h"

#include "../support/ProcThreads.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <memory>
#include <thread>

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using Report = MainHidInterFace::Report;

namespace {

qint64 threadCpuNs(const QStringList &namePrefixes)
{
    return ProcThreads::cpuNs(namePrefixes);
}

qint64 processWakeups()
{
    return ProcThreads::wakeups();
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

std::unique_ptr<MainHidInterFace> openStarted(emu::DeviceId id, const QString &model, int index)
{
    auto transport = std::make_unique<MainHidInterFace>(index, model);
    if (transport->hidOpenPath(0, 0, emu::configurationPath(id)) != 0)
        return nullptr;
    transport->start();
    return transport;
}

Report command(uint8_t code, int sequence)
{
    Report r{};
    r[0] = 1;
    r[1] = code;
    r[5] = 2;
    r[6] = uint8_t(sequence & 0xFF);
    r[7] = uint8_t(sequence >> 8);
    return r;
}

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    size_t index = std::min(values.size() - 1, size_t(p * double(values.size() - 1) + 0.5));
    return values[index];
}

// For scale: what a bare thread that sleeps to absolute deadlines costs on this machine now.
void BM_ReferenceSleepLoop(benchmark::State &state)
{
    const auto period = std::chrono::microseconds(state.range(0));
    double cpuPct = 0;
    for (auto _ : state) {
        std::thread sleeper([&] {
            const auto start = Clock::now();
            auto deadline = start;
            while (Clock::now() - start < 5s) {
                deadline += period;
                std::this_thread::sleep_until(deadline);
            }
            timespec cpu{};
            clock_gettime(CLOCK_THREAD_CPUTIME_ID, &cpu);
            cpuPct = 100.0 * (double(cpu.tv_sec) + double(cpu.tv_nsec) / 1e9) / 5.0;
        });
        sleeper.join();
    }
    state.counters["thread_cpu_pct"] = cpuPct;
}
BENCHMARK(BM_ReferenceSleepLoop)->ArgName("period_us")->Arg(1000)->Arg(100)->Iterations(1)->Unit(benchmark::kSecond);

// The transports' write and read threads and the shared tick thread.
const QStringList kTransportThreads = {QStringLiteral("zelka-hid-"), QStringLiteral("zelka-tick")};

// An open keyboard and mouse with nothing but the handshake going on, for 10 s.
void BM_IdleKeyboardAndMouseCpu(benchmark::State &state)
{
    emu::reset();
    const emu::DeviceId keyboard = emu::plug(emu::keyboardSpec());
    const emu::DeviceId mouse = emu::plug(emu::mouseSpec());
    auto keyboardTransport = openStarted(keyboard, QStringLiteral("ZK87A"), 0);
    auto mouseTransport = openStarted(mouse, QStringLiteral("ZM1"), 1);
    if (!keyboardTransport || !mouseTransport) {
        state.SkipWithError("open failed");
        return;
    }
    runEventLoop(1s);  // past the start-up traffic
    ProcThreads::requireThreads({QStringLiteral("zelka-hid-")});
    for (auto _ : state) {
        const qint64 transportsBefore = threadCpuNs(kTransportThreads);
        const qint64 tickBefore = threadCpuNs({QStringLiteral("zelka-tick")});
        const qint64 processBefore = processCpuNs();
        const qint64 wakeupsBefore = processWakeups();
        const auto start = Clock::now();
        runEventLoop(10s);
        const qint64 wakeups = processWakeups() - wakeupsBefore;
        const double wallNs =
            double(std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now() - start).count());
        state.counters["transports_cpu_pct"] =
            100.0 * double(threadCpuNs(kTransportThreads) - transportsBefore) / wallNs;
        state.counters["tick_thread_cpu_pct"] =
            100.0 * double(threadCpuNs({QStringLiteral("zelka-tick")}) - tickBefore) / wallNs;
        state.counters["process_cpu_pct"] = 100.0 * double(processCpuNs() - processBefore) / wallNs;
        state.counters["handshakes"] = double(emu::writtenCommand(keyboard, 0x01).size());
        state.counters["process_wakeups_per_s"] = double(wakeups) * 1e9 / wallNs;
    }
    keyboardTransport.reset();
    mouseTransport.reset();
    emu::reset();
}
BENCHMARK(BM_IdleKeyboardAndMouseCpu)->Iterations(1)->Unit(benchmark::kSecond);

// From writeCommand in this (the GUI) thread to the report reaching the device.
// Busy: a command every 2 ms. Idle: each command after 150 ms without traffic.
void BM_CommandLatency(benchmark::State &state)
{
    const bool idle = state.range(0) == 1;
    const int samples = idle ? 150 : 2000;
    emu::reset();
    const emu::DeviceId keyboard = emu::plug(emu::keyboardSpec());
    auto transport = openStarted(keyboard, QStringLiteral("ZK87A"), 0);
    if (!transport) {
        state.SkipWithError("open failed");
        return;
    }
    std::this_thread::sleep_for(200ms);
    std::vector<double> latenciesUs;
    for (auto _ : state) {
        for (int i = 0; i < samples; ++i) {
            std::this_thread::sleep_for(idle ? 150ms : 2ms);
            Report r = command(0x07, i);
            const auto sent = Clock::now();
            transport->writeCommand(r.data(), 64);
            if (!emu::waitForCommand(keyboard, 0x07, 1s, i + 1)) {
                state.SkipWithError("command not written");
                return;
            }
            const auto arrived = emu::writtenCommand(keyboard, 0x07).constLast().when;
            latenciesUs.push_back(double(std::chrono::duration_cast<std::chrono::nanoseconds>(arrived - sent).count())
                                  / 1000.0);
        }
    }
    state.counters["p50_us"] = percentile(latenciesUs, 0.50);
    state.counters["p99_us"] = percentile(latenciesUs, 0.99);
    state.counters["max_us"] = percentile(latenciesUs, 1.0);
    transport.reset();
    emu::reset();
}
BENCHMARK(BM_CommandLatency)->ArgName("idle")->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);

// A whole frame (one batch of reports, 10 for a ZK87A, 11 for a ZK87S) every 30 ms to a
// keyboard that takes 1 ms per report, a command every 100 ms.
void BM_LightingStream(benchmark::State &state)
{
    const QString model = state.range(0) == 0 ? QStringLiteral("ZK87A") : QStringLiteral("ZK87S");
    emu::reset();
    const emu::DeviceId keyboard = emu::plug(emu::keyboardSpec(model));
    emu::setWriteLatency(keyboard, 1ms);
    auto transport = openStarted(keyboard, model, 0);
    if (!transport) {
        state.SkipWithError("open failed");
        return;
    }
    transport->setLightDataEnabled(true);
    std::this_thread::sleep_for(100ms);
    emu::clearWritten(keyboard);

    int offered = 0, accepted = 0, refused = 0, commands = 0;
    int maxPending = 0;  // frames accepted but not yet written, seen at an offer
    std::vector<Clock::time_point> commandTimes;
    const int reportsPerFrame = transport->lightBatchFrames();
    qint64 transportCpuNs = 0;
    double wallNs = 0;
    ProcThreads::requireThreads({QStringLiteral("zelka-hid-")});
    for (auto _ : state) {
        const qint64 cpuBefore = threadCpuNs(kTransportThreads);
        const auto start = Clock::now();
        auto nextFrame = start;
        auto nextCommand = start + 15ms;
        while (Clock::now() - start < 10s) {
            if (nextCommand <= nextFrame) {
                std::this_thread::sleep_until(nextCommand);
                Report r = command(0x07, commands++);
                commandTimes.push_back(Clock::now());
                transport->writeCommand(r.data(), 64);
                nextCommand += 100ms;
                continue;
            }
            std::this_thread::sleep_until(nextFrame);
            for (int i = 0; i < reportsPerFrame; ++i) {
                Report f{};
                f[0] = 1;
                f[1] = 0x0F;
                f[6] = uint8_t(offered++);
                const int result = transport->writeLightData(f.data(), 64);
                result == 0 ? ++accepted : ++refused;
            }
            maxPending = std::max(maxPending, accepted - int(emu::writtenCommand(keyboard, 0x0F).size()));
            nextFrame += 30ms;
        }
        transportCpuNs += threadCpuNs(kTransportThreads) - cpuBefore;
        wallNs += double(std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now() - start).count());
    }
    emu::waitForCommand(keyboard, 0x07, 2s, commands);
    // For each command: lighting frames that reached the device between its queuing and itself.
    const QVector<emu::WrittenReport> written = emu::written(keyboard);
    int commandIndex = 0;
    int maxFramesAhead = 0;
    for (int i = 0; i < written.size(); ++i) {
        if (uint8_t(written[i].data.at(1)) != 0x07 || commandIndex >= int(commandTimes.size()))
            continue;
        int ahead = 0;
        for (int j = i - 1; j >= 0 && written[j].when > commandTimes[commandIndex]; --j)
            ahead += uint8_t(written[j].data.at(1)) == 0x0F;
        maxFramesAhead = std::max(maxFramesAhead, ahead);
        ++commandIndex;
    }
    state.counters["frames_offered"] = offered;
    state.counters["frames_refused"] = refused;
    state.counters["frames_written"] = double(emu::writtenCommand(keyboard, 0x0F).size());
    state.counters["max_frames_pending"] = maxPending;
    state.counters["max_frames_ahead_of_command"] = maxFramesAhead;
    state.counters["transport_cpu_pct"] = wallNs > 0 ? 100.0 * double(transportCpuNs) / wallNs : 0;
    transport.reset();
    emu::reset();
}
BENCHMARK(BM_LightingStream)->ArgName("zk87s")->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
// Whole firmware updates against the emulated bootloader: 32 KB and 64 KB images, with the
// bootloader's endpoint taking 1 ms per report (a full-speed device) and with no latency.
// Reports blocks (packets) per second, the seconds of one update, and the time each block
// costs above the endpoint's own pace.

#include "BootloaderWriter.h"
#include "Emulator.h"
#include "FirmwareImageMaker.h"

#include <QEventLoop>
#include <QTimer>

#include <benchmark/benchmark.h>
#include <hidapi.h>

#include <chrono>
#include <thread>

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

namespace {

emu::DeviceId waitForBootloader()
{
    const auto until = Clock::now() + 10s;
    while (Clock::now() < until) {
        for (const emu::DeviceId id : emu::devices()) {
            if (emu::spec(id).kind == emu::Kind::Bootloader)
                return id;
        }
        std::this_thread::sleep_for(2ms);
    }
    return 0;
}

// A keyboard of the chip family, sent into its bootloader.
emu::DeviceId bootloaderFor(const QString &infoText)
{
    emu::DeviceSpec spec = emu::keyboardSpec(QStringLiteral("ZK87A"));
    spec.infoText = infoText;
    const emu::DeviceId kb = emu::plug(spec);
    emu::setBootloaderDelay(kb, 0ms);
    hid_init();
    hid_device *h = hid_open_path(emu::configurationPath(kb).toLocal8Bit().constData());
    unsigned char report[64] = {0x01, 0x0B};
    hid_write(h, report, sizeof report);
    hid_close(h);
    return waitForBootloader();
}

void BM_FirmwareUpdate(benchmark::State &state)
{
    const bool big = state.range(0) == 64;
    const auto latency = std::chrono::microseconds(state.range(1));
    const QString oldText =
        big ? QStringLiteral("M252,01,KB,ZK,ZK87A,V1.02") : QStringLiteral("NUC121,01,KB,ZK,ZK87A,V1.02");
    QString newText = oldText;
    newText.replace(QStringLiteral("V1.02"), QStringLiteral("V1.03"));
    const QByteArray image = emu::firmwareImage(newText);
    const int blocks = (image.size() + 47) / 48;
    double seconds = 0;
    int updates = 0;
    bool ok = true;
    for (auto _ : state) {
        state.PauseTiming();
        emu::reset();
        const emu::DeviceId bootloader = bootloaderFor(oldText);
        emu::setWriteLatency(bootloader, latency);
        BootloaderWriter writer;
        BootloaderWriter::Job job;
        job.model = QStringLiteral("ZK87A");
        job.image = image;
        job.bootloaderIds = {models::UsbId{0x0416, 0x3F00}};
        QEventLoop loop;
        int outcome = -1;
        QObject::connect(&writer, &BootloaderWriter::attemptEnded, &loop, [&](int result) {
            outcome = result;
            loop.quit();
        });
        state.ResumeTiming();
        const auto start = Clock::now();
        writer.start(job);
        loop.exec();
        seconds += std::chrono::duration<double>(Clock::now() - start).count();
        ++updates;
        ok = ok && outcome == BootloaderWriter::kSucceeded;
    }
    emu::reset();
    if (!ok)
        state.SkipWithError("an update failed");
    const double perUpdate = seconds / updates;
    state.counters["blocks_per_s"] = blocks / perUpdate;
    state.counters["seconds"] = perUpdate;
    // Two reports (packet and reply) share the endpoint per block; what the writer adds on top.
    state.counters["added_ms_per_block"] =
        (perUpdate / blocks - std::chrono::duration<double>(latency).count()) * 1000.0;
}

// The same packets written and answered by a bare loop on one handle, without the writer: what
// the endpoint's pacing and the machine's wake-ups cost on their own.
void BM_BareLoop(benchmark::State &state)
{
    const auto latency = std::chrono::microseconds(state.range(0));
    const QByteArray image = emu::firmwareImage(QStringLiteral("NUC121,01,KB,ZK,ZK87A,V1.03"));
    const int blocks = (image.size() + 47) / 48;
    double seconds = 0;
    int runs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        emu::reset();
        const emu::DeviceId bootloader = bootloaderFor(QStringLiteral("NUC121,01,KB,ZK,ZK87A,V1.02"));
        emu::setWriteLatency(bootloader, latency);
        hid_device *h = hid_open_path(emu::path(bootloader, 0).toLocal8Bit().constData());
        state.ResumeTiming();
        const auto start = Clock::now();
        for (int i = 0; i < blocks && h; ++i) {
            unsigned char packet[64] = {0x01, 0x0C, 0x00, uint8_t(i >> 8), uint8_t(i & 0xFF)};
            const int length = i < blocks - 1 ? 48 : image.size() - 48 * i;
            packet[5] = uint8_t(length + 2);
            for (int k = 0; k < length; ++k)
                packet[6 + k] = uint8_t(~uint8_t(image[48 * i + k]));
            unsigned char reply[64];
            hid_write(h, packet, sizeof packet);
            hid_read_timeout(h, reply, sizeof reply, 2000);
        }
        seconds += std::chrono::duration<double>(Clock::now() - start).count();
        ++runs;
        if (h)
            hid_close(h);
    }
    emu::reset();
    state.counters["blocks_per_s"] = blocks / (seconds / runs);
}

}  // namespace

BENCHMARK(BM_BareLoop)
    ->ArgNames({"latency_us"})
    ->Arg(1000)
    ->Iterations(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

BENCHMARK(BM_FirmwareUpdate)
    ->ArgNames({"KB", "latency_us"})
    ->Args({32, 1000})
    ->Args({64, 1000})
    ->Args({32, 0})
    ->Args({64, 0})
    ->Iterations(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

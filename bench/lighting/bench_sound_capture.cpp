// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of Musical Rhythm with the PulseAudio capture, against a private sound server:
//   tests/run-isolated.sh tests/lighting/with-sound-server.sh build/bench/bench_sound_capture
// The engine streams to an emulated keyboard with light synchronisation on, the preview off, a
// tone playing on the server's null sink; 30 s with effect 100, beside 30 s with the effect off.

#include "DSoundCardAudioCapture.h"
#include "Emulator.h"
#include "lightDealMain.h"
#include "MainHidInterFace.h"
#include "XmlRecords.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QtEndian>
#include <QTimer>

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <chrono>
#include <cmath>
#include <memory>

namespace {

using Clock = std::chrono::steady_clock;

qint64 processCpuNs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (qint64(usage.ru_utime.tv_sec) + usage.ru_stime.tv_sec) * 1000000000LL
           + (qint64(usage.ru_utime.tv_usec) + usage.ru_stime.tv_usec) * 1000LL;
}

// CPU of the threads with this name (schedstat, ns).
qint64 threadCpuNs(const QString &name)
{
    qint64 total = 0;
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString &tid : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile comm(tasks.filePath(tid + QStringLiteral("/comm")));
        if (!comm.open(QIODevice::ReadOnly) || QString::fromLatin1(comm.readAll()).trimmed() != name)
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

// A tone at 312 Hz, amplitude 0.5, looping on the default sink.
std::unique_ptr<QProcess> playTone()
{
    const QString path = QDir(QDir::tempPath()).filePath(QStringLiteral("bench-tone.raw"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return nullptr;
    QByteArray bytes(44100 * 4 * 4, '\0');
    auto *p = reinterpret_cast<uchar *>(bytes.data());
    for (int i = 0; i < 44100 * 4; ++i) {
        const qint16 v = qint16(std::lround(16383 * std::sin(2 * M_PI * 29 * i / 4096.0)));
        qToLittleEndian<qint16>(v, p + 4 * i);
        qToLittleEndian<qint16>(v, p + 4 * i + 2);
    }
    file.write(bytes);
    file.close();
    auto player = std::make_unique<QProcess>();
    player->start(
        QStringLiteral("bash"),
        {QStringLiteral("-c"),
         QStringLiteral("while :; do pacat --raw --format=s16le --rate=44100 --channels=2 '%1'; done").arg(path)});
    return player;
}

void BM_MusicalRhythmCpu(benchmark::State &state)
{
    if (!qEnvironmentVariableIsSet("ZELKA_SOUND_SERVER_PID")) {
        state.SkipWithError("run through tests/lighting/with-sound-server.sh");
        return;
    }
    emu::reset();
    const emu::DeviceId keyboard = emu::plug(emu::keyboardSpec(QStringLiteral("ZK87A")));
    auto transport = std::make_unique<MainHidInterFace>(0, QStringLiteral("ZK87A"));
    if (transport->hidOpenPath(0, 0, emu::configurationPath(keyboard)) != 0) {
        state.SkipWithError("open failed");
        return;
    }
    transport->start();
    transport->setLightDataEnabled(true);
    auto player = playTone();
    lightDealMain engine;
    engine.setModelName(QStringLiteral("ZK87A"));
    engine.setHidInterface(transport.get());
    engine.setPreviewEnabled(false);
    engine.setSpeedAndBrightnessMaxNum(4, 4, 4, 4);
    engine.initMusicalRhythm(87, 11, 30.0, 930.0);
    engine.setLightSynchronize(true);
    engine.setHidSendThreadRunning(true);
    colorInfoData still;
    still.ledType = 0;
    still.ledBrightness = 4;
    colorInfoData rhythm = still;
    rhythm.ledType = 100;
    rhythm.ledModeType = 1;
    auto measure = [&](const char *prefix) {
        const qint64 process = processCpuNs();
        const qint64 capture = threadCpuNs(QLatin1String(DSoundCardAudioCapture::threadName()));
        const auto start = Clock::now();
        runEventLoop(std::chrono::seconds(30));
        const double wall = double(std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now() - start).count());
        state.counters[std::string(prefix) + "_process_cpu_pct"] = 100.0 * double(processCpuNs() - process) / wall;
        state.counters[std::string(prefix) + "_capture_thread_cpu_pct"] =
            100.0 * double(threadCpuNs(QLatin1String(DSoundCardAudioCapture::threadName())) - capture) / wall;
    };
    for (auto _ : state) {
        engine.setKeyboardLightConfig(still);
        measure("effect_off");
        engine.setKeyboardLightConfig(rhythm);
        engine.setAudioCaptureRunning(true);
        measure("rhythm");
        engine.setAudioCaptureRunning(false);
    }
    engine.setHidSendThreadRunning(false);
    engine.setLightSynchronize(false);
    engine.stopAllLightThreads();
    if (player) {
        player->kill();
        player->waitForFinished();
    }
    transport.reset();
    emu::reset();
}
BENCHMARK(BM_MusicalRhythmCpu)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
// The whole program at rest: zelka-demo (emulated keyboard and mouse, offscreen, its own
// temporary HOME) is started, left to settle, and then watched from /proc for some seconds:
// the wake-ups of all its threads (voluntary and involuntary context switches) and its CPU
// time. In the same seconds a bare thread of this process sleeps to 1 ms deadlines; its CPU is
// the yardstick. Two runs: a first start (fresh home) and a later start (the same home again).
// Prints the figures beside the limits and exits with 1 when one is exceeded.
//
//   bench_program_idle [seconds [settle-seconds]]

#include "../support/BareSleeper.h"
#include "../support/DemoProcess.h"
#include "../support/ProcThreads.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <atomic>
#include <cstdio>
#include <ctime>
#include <thread>

namespace {

constexpr double kMaxWakeupsPerSecond = 30.0;
constexpr double kMaxShareOfSleeper = 0.25;

void wait(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// One run; returns false when a limit is exceeded.
bool run(const char *label, const QString &home, int seconds, int settleSeconds)
{
    QProcess program;
    program.setProcessEnvironment(DemoProcess::environment(home));
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.setStandardOutputFile(QProcess::nullDevice());
    program.start(DemoProcess::programPath(QStringLiteral("zelka-demo")), QStringList());
    if (!program.waitForStarted(10000)) {
        std::fprintf(stderr, "FATAL: zelka-demo did not start\n");
        std::exit(2);
    }
    wait(settleSeconds * 1000);
    if (program.state() != QProcess::Running) {
        std::fprintf(stderr, "FATAL: zelka-demo ended before it was measured\n");
        std::exit(2);
    }
    const QString pid = QString::number(program.processId());
    const QStringList everyThread{QString()};

    BareSleeper sleeper;
    sleeper.start();
    const qint64 wakeupsBefore = ProcThreads::wakeups(pid);
    const qint64 cpuBefore = ProcThreads::cpuNs(everyThread, pid);
    QElapsedTimer wall;
    wall.start();
    wait(seconds * 1000);
    const qint64 wakeups = ProcThreads::wakeups(pid) - wakeupsBefore;
    const qint64 cpu = ProcThreads::cpuNs(everyThread, pid) - cpuBefore;
    const double wallS = double(wall.nsecsElapsed()) / 1e9;
    const qint64 sleeperCpu = sleeper.finish();

    program.terminate();
    if (!program.waitForFinished(15000)) {
        program.kill();
        program.waitForFinished(5000);
    }

    const double wakeupsPerS = double(wakeups) / wallS;
    const double cpuPct = 100.0 * double(cpu) / 1e9 / wallS;
    const double sleeperPct = 100.0 * double(sleeperCpu) / 1e9 / wallS;
    const double share = sleeperPct > 0 ? cpuPct / sleeperPct : 0;
    const bool ok = wakeupsPerS <= kMaxWakeupsPerSecond && share <= kMaxShareOfSleeper;
    std::printf("%-12s %5.1f wake-ups/s (limit %.0f), CPU %.3f %% of a core = %.2fx the 1 ms sleeper's %.3f %% "
                "(limit %.2fx) over %.1f s: %s\n",
                label, wakeupsPerS, kMaxWakeupsPerSecond, cpuPct, share, sleeperPct, kMaxShareOfSleeper, wallS,
                ok ? "ok" : "OVER");
    std::fflush(stdout);
    return ok;
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int seconds = argc > 1 ? qBound(1, QByteArray(argv[1]).toInt(), 600) : 10;
    const int settle = argc > 2 ? qBound(1, QByteArray(argv[2]).toInt(), 600) : 8;
    QTemporaryDir home;
    if (!home.isValid()) {
        std::fprintf(stderr, "FATAL: no temporary home\n");
        return 2;
    }
    bool ok = run("first start", home.path(), seconds, settle);
    ok = run("later start", home.path(), seconds, settle) && ok;
    return ok ? 0 : 1;
}

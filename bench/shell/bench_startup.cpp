// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up to the window: the time from starting a process to its "shown" line, for zelka-demo
// (ZELKA_DEMO_QUIT_WHEN_SHOWN, offscreen unless QT_QPA_PLATFORM says otherwise, a fresh temporary
// home each time) and for a minimal Qt Widgets program, taken in turns in the same run. Prints
// the medians, their ratio beside the limit, and the demo's CPU time; exits with 1 over it.
//
//   bench_startup [runs]

#include "../support/DemoProcess.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr double kMaxRatio = 4.0;

struct Timing {
    double toWindowMs = 0;
    double cpuMs = 0;  // user + system time of the whole process
};

double childrenCpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000.0
           + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000.0;
}

Timing startOnce(const QString &program, bool demo)
{
    QTemporaryDir home;
    QProcessEnvironment env = DemoProcess::environment(home.path());
    if (demo)
        env.insert(QStringLiteral("ZELKA_DEMO_QUIT_WHEN_SHOWN"), QStringLiteral("1"));
    QProcess process;
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.setStandardErrorFile(QProcess::nullDevice());
    const double cpuBefore = childrenCpuMs();
    QElapsedTimer timer;
    timer.start();
    process.start(program, QStringList());
    Timing timing;
    while (timing.toWindowMs == 0 && process.waitForReadyRead(30000)) {
        while (process.canReadLine()) {
            if (process.readLine().trimmed() == "shown") {
                timing.toWindowMs = double(timer.nsecsElapsed()) / 1e6;
                break;
            }
        }
    }
    if (timing.toWindowMs == 0) {
        std::fprintf(stderr, "FATAL: %s never said it was shown\n", qPrintable(program));
        std::exit(2);
    }
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished(5000);
    }
    timing.cpuMs = childrenCpuMs() - cpuBefore;
    return timing;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? qBound(1, QByteArray(argv[1]).toInt(), 100) : 7;
    const QString demo = DemoProcess::programPath(QStringLiteral("zelka-demo"));
    const QString minimal = DemoProcess::programPath(QStringLiteral("bench_minimal_window"));
    std::vector<double> demoMs, demoCpu, minimalMs, minimalCpu;
    for (int i = 0; i < runs; ++i) {
        const Timing m = startOnce(minimal, false);
        minimalMs.push_back(m.toWindowMs);
        minimalCpu.push_back(m.cpuMs);
        const Timing d = startOnce(demo, true);
        demoMs.push_back(d.toWindowMs);
        demoCpu.push_back(d.cpuMs);
    }
    const double ratio = median(demoMs) / median(minimalMs);
    std::printf("start-up to the window, median of %d: zelka-demo %.0f ms (CPU %.0f ms), minimal Qt Widgets "
                "program %.0f ms (CPU %.0f ms): %.1fx (limit %.0fx, CPU %.1fx): %s\n",
                runs, median(demoMs), median(demoCpu), median(minimalMs), median(minimalCpu), ratio, kMaxRatio,
                median(demoCpu) / median(minimalCpu), ratio <= kMaxRatio ? "ok" : "OVER");
    return ratio <= kMaxRatio ? 0 : 1;
}

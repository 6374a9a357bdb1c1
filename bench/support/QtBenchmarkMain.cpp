// SPDX-License-Identifier: GPL-3.0-or-later
// Entry point of the benchmarks: Google Benchmark inside a Qt core application, so the
// code under test has its event loop and queued connections.
#include <benchmark/benchmark.h>
#include <QCoreApplication>
#include <QLoggingCategory>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    // The program's debug lines (a few per opened device) would drown the figures.
    QLoggingCategory::setFilterRules(QStringLiteral("zelka.*.debug=false"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

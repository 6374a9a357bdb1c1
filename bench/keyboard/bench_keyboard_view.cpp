// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of a lighting preview on the keyboard view: the ZK104S view in the preview look with
// colour repaint on; every 30 ms each of its 132 keys and its side LEDs gets a colour, for 10 s
// (or the seconds given as the first argument). Prints the process's CPU time as a share of one
// core, once with a new colour every time and once with the colours kept.
//
//   bench_keyboard_view [seconds]

#include "keyboardButCustom.h"
#include "keyboardImagePage.h"
#include "keyboardPage.h"
#include "PreviewArea.h"
#include "sideLightButtonCustom.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QStackedLayout>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>

namespace {

constexpr int kFrameMs = 30;

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Runs the preview for the given time and returns the CPU share of one core, in percent.
double run(keyboardPage &page, int milliseconds, bool newColours)
{
    const QList<keyboardButCustom *> keys = page.getKeyButtons();
    const QList<sideLightButtonCustom *> leds = page.getSideLightButtons();
    int frame = 0;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const int step = newColours ? ++frame : 0;
        for (int i = 0; i < keys.size(); ++i)
            keys.at(i)->setKeyColor(QColor::fromHsv((step * 7 + i * 3) % 360, 255, 255));
        for (int i = 0; i < leds.size(); ++i)
            leds.at(i)->setColor(QColor::fromHsv((step * 7 + i * 5) % 360, 255, 255));
    });

    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    const double cpuStart = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    ticker.start(kFrameMs);
    loop.exec();
    ticker.stop();
    const double cpu = cpuSeconds() - cpuStart;
    return 100.0 * cpu / (wall.elapsed() / 1000.0);
}

}  // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? qBound(1, QByteArray(argv[1]).toInt(), 600) : 10;

    // As the device page holds it: the picture below, the view on top, the picture's size + 20.
    PreviewArea preview;
    QWidget &area = preview.area;
    keyboardPage *page = preview.page;
    area.show();

    const double changing = run(*page, seconds * 1000, true);
    const double kept = run(*page, seconds * 1000, false);
    std::printf("keyboard view, ZK104S preview every %d ms for %d s: %.1f %% of one core with new colours, "
                "%.1f %% with the colours kept\n",
                kFrameMs, seconds, changing, kept);
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// What the lighting preview costs on screen: the ZK104S keyboard view with its engine running
// full-colour Wave on the keys and the side strip, the device taking the frames, for some
// seconds with the view hidden and then with it shown. Each phase reads the CPU of this process
// and of the X server (its process id in ZELKA_BENCH_X_SERVER_PID, set by
// bench/support/run-on-xvfb.sh, which starts a private Xvfb) from /proc, beside a bare thread
// sleeping to 1 ms deadlines in the same seconds. Exits with 1 when the shown view costs more
// than 1.5 points of a core above the hidden one, the X server included.
//
//   bench/support/run-on-xvfb.sh bench_keyboard_preview [seconds]

#include "../support/BareSleeper.h"
#include "../support/ProcThreads.h"
#include "keyboardButCustom.h"
#include "keyboardImagePage.h"
#include "keyboardPage.h"
#include "lightDealMain.h"
#include "PreviewArea.h"
#include "sideLightButtonCustom.h"
#include "SideLightButtonInterface.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QStackedLayout>
#include <QTimer>

#include <atomic>
#include <cstdio>
#include <ctime>
#include <thread>

namespace {

constexpr double kMaxExtraPoints = 1.5;

// Counts the view's paints.
class PaintCount : public QObject
{
public:
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

struct Figures {
    double program = 0;  // percent of a core, without the sleeper
    double xServer = 0;
    double sleeper = 0;
};

Figures measure(int milliseconds, const QString &xServer)
{
    const QStringList everyThread{QString()};
    // The sleeper's thread is not there at either reading of this process's threads.
    const qint64 selfBefore = ProcThreads::cpuNs(everyThread);
    BareSleeper sleeper;
    sleeper.start();
    const qint64 xBefore = xServer.isEmpty() ? 0 : ProcThreads::cpuNs(everyThread, xServer);
    QElapsedTimer wall;
    wall.start();
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
    const qint64 sleeperNs = sleeper.finish();
    const double wallNs = double(wall.nsecsElapsed());
    Figures f;
    f.program = 100.0 * double(ProcThreads::cpuNs(everyThread) - selfBefore) / wallNs;
    f.xServer = xServer.isEmpty() ? 0 : 100.0 * double(ProcThreads::cpuNs(everyThread, xServer) - xBefore) / wallNs;
    f.sleeper = 100.0 * double(sleeperNs) / wallNs;
    return f;
}

void settle(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? qBound(1, QByteArray(argv[1]).toInt(), 600) : 10;
    const QString xServer = qEnvironmentVariable("ZELKA_BENCH_X_SERVER_PID");
    if (QGuiApplication::platformName() != QLatin1String("xcb") || xServer.isEmpty())
        std::fprintf(stderr, "note: platform %s, no X server measured (bench/support/run-on-xvfb.sh runs it on Xvfb)\n",
                     qPrintable(QGuiApplication::platformName()));

    // As the device page holds it: the picture below, the view on top, the picture's size + 20.
    PreviewArea preview;
    QWidget &area = preview.area;
    keyboardPage *page = preview.page;

    lightDealMain engine;
    engine.setModelName(QStringLiteral("ZK104S"));
    engine.setSpeedAndBrightnessMaxNum(4, 4, 4, 4);
    QVector<KeyLightButtonInterface *> keys;
    for (keyboardButCustom *key : page->getKeyButtons())
        keys << key;
    engine.setKeyButtons(keys);
    QList<SideLightButtonInterface *> sides;
    for (sideLightButtonCustom *led : page->getSideLightButtons())
        sides << led;
    engine.setSideLightPresent(page->isSideLightHave());
    engine.setSideLightButtons(sides);
    colorInfoData wave;
    wave.ledType = 2;
    wave.ledBrightness = 4;
    wave.ledSpeed = 4;
    wave.ledModeType = 1;
    wave.ledKeyboardOrSide = 1;
    engine.setSideLightConfig(wave);
    wave.ledKeyboardOrSide = 0;
    engine.setKeyboardLightConfig(wave);
    engine.setPreviewEnabled(true);
    // The device takes the frames all along: the effect runs whether or not the view is seen.
    engine.setHidSendThreadRunning(true);

    area.show();
    area.hide();
    engine.setPreviewShown(false);
    settle(1000);
    const Figures hidden = measure(seconds * 1000, xServer);

    area.show();
    engine.setPreviewShown(true);
    settle(1000);
    PaintCount count;
    page->installEventFilter(&count);
    const Figures shown = measure(seconds * 1000, xServer);
    const double paintsPerSecond = double(count.paints) / seconds;
    engine.setHidSendThreadRunning(false);
    engine.stopAllLightThreads();

    const double extra = (shown.program + shown.xServer) - (hidden.program + hidden.xServer);
    const bool ok = extra <= kMaxExtraPoints;
    std::printf("full-colour Wave, ZK104S, %d s each on %s:\n", seconds, qPrintable(QGuiApplication::platformName()));
    std::printf("  hidden: program %.2f %% + X server %.2f %% of a core (1 ms sleeper %.2f %%)\n", hidden.program,
                hidden.xServer, hidden.sleeper);
    std::printf("  shown:  program %.2f %% + X server %.2f %% of a core (1 ms sleeper %.2f %%)\n", shown.program,
                shown.xServer, shown.sleeper);
    std::printf("  the view painted %.1f times a second\n", paintsPerSecond);
    std::printf("  shown costs %.2f points above hidden (limit %.1f): %s\n", extra, kMaxExtraPoints,
                ok ? "ok" : "OVER");
    return ok ? 0 : 1;
}

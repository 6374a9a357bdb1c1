// SPDX-License-Identifier: GPL-3.0-or-later
// The on-board download of an emulated ZK87A: the time from the click to the outcome and the
// longest stall of the GUI thread meanwhile (the gap between two ticks of a 1 ms timer), with the
// keyboard answering at once and after 2 ms. Runs in its own temporary HOME.
//
//   bench_onboard_download [rounds]

#include "DDevicePage.h"
#include "DevicePageOnboard.h"
#include "Emulator.h"
#include "xmlInterface.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include <cstdio>
#include <cstring>

int main(int argc, char **argv)
{
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home.path() + QStringLiteral("/data")).toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("zelka.*.debug=false"));
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 3;

    emu::DeviceSpec spec = emu::keyboardSpec(QStringLiteral("ZK87A"));
    spec.serial = QByteArray(32, 'b');
    const emu::DeviceId kb = emu::plug(spec);
    xmlInterface xml;
    const QByteArray macroPath = QFile::encodeName(home.filePath(QStringLiteral("macro.xml")));
    DDevicePage page;
    page.setMacroXml(macroPath.constData(), &xml);
    hidStructInfo info;
    info.vid = spec.vendorId;
    info.pid = spec.productId;
    std::strncpy(info.hidPath, emu::configurationPath(kb).toLatin1().constData(), sizeof info.hidPath - 1);
    std::strncpy(info.hidName, "ZK87A", sizeof info.hidName - 1);
    page.setHidStructInfoList({info});
    QElapsedTimer wait;
    wait.start();
    while (page.profileXmlPath().isEmpty() && wait.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    page.findChild<QPushButton *>(QStringLiteral("pushButton_OnboardMode"))->click();
    DevicePageOnboard *onboard = page.findChild<DevicePageOnboard *>();
    auto *download = page.findChild<QToolButton *>(QStringLiteral("toolButton_OnboardDownload"));

    for (int delayMs : {0, 2}) {
        emu::delayAcknowledgements(kb, std::chrono::milliseconds(delayMs));
        for (int round = 0; round < rounds; ++round) {
            QElapsedTimer clock;
            qint64 lastTick = 0;
            qint64 longestStall = 0;
            QTimer ticker;
            ticker.setTimerType(Qt::PreciseTimer);
            QObject::connect(&ticker, &QTimer::timeout, [&] {
                const qint64 now = clock.nsecsElapsed();
                longestStall = std::max(longestStall, now - lastTick);
                lastTick = now;
            });
            ticker.start(1);
            clock.start();
            download->click();
            while (onboard->isDownloading())
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
            const double total = clock.nsecsElapsed() / 1e6;
            ticker.stop();
            std::printf("answer after %d ms: click to outcome %.1f ms (goal about %d ms), longest GUI stall %.2f ms\n",
                        delayMs, total, 400 + 50 * (delayMs + 2), longestStall / 1e6);
        }
    }
    emu::unplugAll();
    return 0;
}

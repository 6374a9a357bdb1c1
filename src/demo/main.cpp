// SPDX-License-Identifier: GPL-3.0-or-later
// zelka-demo: the program with simulated devices in place of real ones, so that it can be seen
// and tried without a keyboard or mouse of the family. One keyboard and the mouse are plugged in
// before the program starts. Its own executable name keeps its application-data folder, its
// single-instance lock and its local socket apart from the real program's, and it never
// registers auto start. It offers synthetic firmware images of its own bytes (never real
// firmware) one version above its devices.
//
// With ZELKA_DEMO_QUIT_WHEN_SHOWN set in the environment it prints "shown" once the main window
// is first shown and quits: the start-up benchmark times that.

#include "DAppllication.h"
#include "DMainWidget.h"
#include "Emulator.h"
#include "EmulatorDeviceNotifier.h"
#include "EmulatorReportDescriptorReader.h"
#include "FirstShowAction.h"
#include "InputHookFactory.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <cstdio>

#include <memory>

int main(int argc, char *argv[])
{
    InputHookFactory::preferX11Platform(argc, argv);
    emu::plug(emu::keyboardSpec(QStringLiteral("ZK87A")));
    emu::plug(emu::mouseSpec(QStringLiteral("ZM1")));

    return DAppllication::runProgram(argc, argv, [] {
        qApp->setStyleSheet(QStringLiteral("QFrame{border:none;}"));
        DMainWidget::StartOptions options;
        options.createNotifier = [](QObject *parent) { return new EmulatorDeviceNotifier(parent); };
        options.descriptorReader = std::make_shared<EmulatorReportDescriptorReader>();
        options.registerAutoStart = false;
        // Synthetic images one version above the demo's devices, so the update can be tried.
        options.firmwareImageFolder = QStringLiteral(":/demo/UpdateHex/");
        auto *window = new DMainWidget(options);
        if (qEnvironmentVariableIsSet("ZELKA_DEMO_QUIT_WHEN_SHOWN"))
            new FirstShowAction(window, [] {
                std::puts("shown");
                std::fflush(stdout);
                QTimer::singleShot(0, qApp, &QCoreApplication::quit);
            });
        return window;
    });
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The program's entry road with a plain window in place of the main window, for tests that
// start it as separate processes. It reports on its standard output, one line each:
//   "text <Login in the loaded language>"   once, when the window is created
//   "window visible=<0|1> minimized=<0|1>"  whenever the window's state changes
//   "box <title>|<text>"                    for a message box, which it then closes
// Environment: HELPER_QUIT_MS ends the event loop after that many milliseconds;
// HELPER_CRASH=segv crashes once the window exists; HELPER_TRAY=0 plays a desktop without a tray host.

#include "DAppllication.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace {

void report(const QString &line)
{
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

QWidget *createWindow()
{
    auto *window = new QWidget;
    window->resize(320, 200);
    window->setProperty("trayAvailable", qgetenv("HELPER_TRAY") != "0");
    report(QStringLiteral("text ") + QCoreApplication::translate("DLoginWidget", "Login"));

    auto *probe = new QTimer(window);
    auto lastState = std::make_shared<QString>();
    QObject::connect(probe, &QTimer::timeout, window, [window, lastState] {
        const QString state = QStringLiteral("window visible=%1 minimized=%2")
                                  .arg(int(window->isVisible()))
                                  .arg(int(window->isMinimized()));
        if (state != *lastState) {
            *lastState = state;
            report(state);
        }
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            report(QStringLiteral("box %1|%2").arg(box->windowTitle(), box->text()));
            box->done(0);
        }
    });
    probe->start(20);

    const int quitMs = qEnvironmentVariableIntValue("HELPER_QUIT_MS");
    if (quitMs > 0)
        QTimer::singleShot(quitMs, qApp, &QCoreApplication::quit);
    if (qgetenv("HELPER_CRASH") == "segv") {
        QTimer::singleShot(50, [] {
            auto *nowhere = reinterpret_cast<volatile int *>(uintptr_t(std::strtoul("8", nullptr, 10)));
            *nowhere = 1;
        });
    }
    return window;
}

}  // namespace

int main(int argc, char *argv[])
{
    return DAppllication::runProgram(argc, argv, createWindow);
}

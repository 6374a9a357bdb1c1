// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick of the start-up benchmark: a minimal Qt Widgets program that shows a window,
// prints "shown" when it is shown and quits.

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

class Window : public QWidget
{
protected:
    void showEvent(QShowEvent *) override
    {
        std::puts("shown");
        std::fflush(stdout);
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
};

}  // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Window window;
    window.resize(400, 300);
    window.show();
    return app.exec();
}

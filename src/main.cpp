#include "DAppllication.h"
#include "DMainWidget.h"
#include "InputHookFactory.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    InputHookFactory::preferX11Platform(argc, argv);
    return DAppllication::runProgram(argc, argv, [] {
        // Frames draw no outline of the platform style unless their own style sheet gives one.
        qApp->setStyleSheet(QStringLiteral("QFrame{border:none;}"));
        return new DMainWidget();
    });
}

#include "InputHookFactory.h"

#include "LogCategories.h"
#include "OwnWindowInputHook.h"
#include "X11InputHook.h"
#include "X11RecordSession.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPointer>

#include <cstring>
#include <string>

namespace {

InputHookFactory::Maker &maker()
{
    static InputHookFactory::Maker current;
    return current;
}

QPointer<InputHook> &current()
{
    static QPointer<InputHook> hook;
    return hook;
}

}  // namespace

InputHook *InputHookFactory::instance()
{
    if (current())
        return current();
    QCoreApplication *app = QCoreApplication::instance();
    if (!app)
        return nullptr;
    InputHook *hook = maker() ? maker()() : createSystemHook();
    if (hook)
        hook->setParent(app);
    current() = hook;
    return hook;
}

void InputHookFactory::setMaker(Maker newMaker)
{
    if (InputHook *old = current()) {
        old->stop();
        delete old;
    }
    current() = nullptr;
    maker() = std::move(newMaker);
}

InputHook *InputHookFactory::createSystemHook()
{
    const QString platform = QGuiApplication::platformName();
    if (platform != QLatin1String("xcb"))
        return new OwnWindowInputHook(QStringLiteral("the Qt platform \"%1\" is not X11").arg(platform));
    std::string reason;
    if (!X11RecordSession::probe(qgetenv("DISPLAY").toStdString(), &reason))
        return new OwnWindowInputHook(QString::fromStdString(reason));
    return new X11InputHook();
}

void InputHookFactory::preferX11Platform(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strncmp(argv[i], "-platform=", 10) == 0)
            return;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
}

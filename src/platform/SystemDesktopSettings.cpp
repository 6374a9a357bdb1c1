// SPDX-License-Identifier: GPL-3.0-or-later
#include "SystemDesktopSettings.h"

#include "LogCategories.h"

#include <QProcess>
#include <QStandardPaths>

namespace {

struct DesktopTools {
    const char *desktop;  // as in XDG_CURRENT_DESKTOP, compared without case
    const char *keyboard;
    const char *mouse;
};

// Program and arguments are split at spaces.
constexpr DesktopTools kTools[] = {
    {"GNOME", "gnome-control-center keyboard", "gnome-control-center mouse"},
    {"Unity", "gnome-control-center keyboard", "gnome-control-center mouse"},
    {"Budgie", "gnome-control-center keyboard", "gnome-control-center mouse"},
    {"KDE", "systemsettings kcm_keyboard", "systemsettings kcm_mouse"},
    {"KDE", "systemsettings5 kcm_keyboard", "systemsettings5 kcm_mouse"},
    {"XFCE", "xfce4-keyboard-settings", "xfce4-mouse-settings"},
    {"MATE", "mate-keyboard-properties", "mate-mouse-properties"},
    {"X-Cinnamon", "cinnamon-settings keyboard", "cinnamon-settings mouse"},
    {"Cinnamon", "cinnamon-settings keyboard", "cinnamon-settings mouse"},
    {"LXQt", "lxqt-config-input", "lxqt-config-input"},
    {"LXDE", "lxinput", "lxinput"},
};

QList<QStringList> commandsFor(const QString &currentDesktop, bool keyboard)
{
    const QStringList names = currentDesktop.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    QList<QStringList> commands;
    auto add = [&](const DesktopTools &tools) {
        const QStringList command =
            QString::fromLatin1(keyboard ? tools.keyboard : tools.mouse).split(QLatin1Char(' '));
        if (!commands.contains(command))
            commands << command;
    };
    for (const QString &name : names) {
        for (const DesktopTools &tools : kTools) {
            if (name.compare(QLatin1String(tools.desktop), Qt::CaseInsensitive) == 0)
                add(tools);
        }
    }
    if (commands.isEmpty()) {
        for (const DesktopTools &tools : kTools)
            add(tools);
    }
    return commands;
}

}  // namespace

QList<QStringList> SystemDesktopSettings::keyboardCommands(const QString &currentDesktop)
{
    return commandsFor(currentDesktop, true);
}

QList<QStringList> SystemDesktopSettings::mouseCommands(const QString &currentDesktop)
{
    return commandsFor(currentDesktop, false);
}

bool SystemDesktopSettings::openKeyboardSettings()
{
    return startFirst(keyboardCommands(qEnvironmentVariable("XDG_CURRENT_DESKTOP")), "keyboard");
}

bool SystemDesktopSettings::openMouseSettings()
{
    return startFirst(mouseCommands(qEnvironmentVariable("XDG_CURRENT_DESKTOP")), "mouse");
}

bool SystemDesktopSettings::startFirst(const QList<QStringList> &commands, const char *what)
{
    for (const QStringList &command : commands) {
        const QString program = QStandardPaths::findExecutable(command.first());
        if (program.isEmpty())
            continue;
        if (QProcess::startDetached(program, command.mid(1)))
            return true;
        qCDebug(lcPlatform) << "Could not start the" << what << "settings" << program;
    }
    qCDebug(lcPlatform) << "No" << what << "settings tool of the desktop found";
    return false;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings tools of the common Linux desktops, chosen by XDG_CURRENT_DESKTOP; the first
// one found on PATH is started detached, without a shell. An unknown desktop tries every tool.

#include "DesktopSettings.h"

#include <QList>
#include <QStringList>

class SystemDesktopSettings : public DesktopSettings
{
public:
    bool openKeyboardSettings() override;
    bool openMouseSettings() override;

    // Commands (program and arguments) to try, in order, for the desktops named in
    // `currentDesktop` (XDG_CURRENT_DESKTOP: names joined by ':').
    static QList<QStringList> keyboardCommands(const QString &currentDesktop);
    static QList<QStringList> mouseCommands(const QString &currentDesktop);

private:
    static bool startFirst(const QList<QStringList> &commands, const char *what);
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Starting the program when the user logs in: an XDG autostart entry,
// $XDG_CONFIG_HOME/autostart/<program>.desktop (~/.config/autostart without that variable),
// that runs the program's absolute path with "--AutoUp". Removing the entry removes auto start.
// The entry is written whole or not at all.

#include <QString>

class AutoStartEntry
{
public:
    // The entry's file for a program base name ("zelka" gives .../autostart/zelka.desktop).
    static QString entryPath(const QString &programName);
    // Writes the entry; false (and a debug line) when the folder or the file could not be written.
    static bool enable(const QString &programName, const QString &programPath);
    // Removes the entry; true when none is left.
    static bool disable(const QString &programName);
    static bool isEnabled(const QString &programName);
    // An entry exists and the user switched it off in it: "Hidden=true", or a desktop's own
    // "X-<desktop>-Autostart-enabled=false". Such an entry is the user's choice and is left alone.
    static bool isDisabledByUser(const QString &programName);

    // The Exec value: the program quoted by the desktop-entry rules, then " --AutoUp".
    static QString execLine(const QString &programPath);
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opens the desktop's own settings of the keyboard or the mouse. The program only starts the
// settings tool and goes on; it never waits for it or ends it. Tests stand a recording double
// in for the desktop.

class DesktopSettings
{
public:
    virtual ~DesktopSettings() = default;

    // False when no settings tool could be started.
    virtual bool openKeyboardSettings() = 0;
    virtual bool openMouseSettings() = 0;
};

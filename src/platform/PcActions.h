// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the device link does on the computer's side for a key, besides the reports it sends:
// launch a program, tell whether one of the program's own windows is active, put a text on
// the clipboard. Tests stand a recording double in for the desktop.

#include <QString>

class PcActions
{
public:
    virtual ~PcActions() = default;

    // Starts an executable file as it is, without a shell and without arguments; any other
    // file is opened in the desktop's handler for it. False when nothing could be started.
    virtual bool launchProgram(const QString &path) = 0;
    // Whether a window of this program has the focus.
    virtual bool isOwnWindowActive() const = 0;
    // Puts the text on the clipboard as plain text. False without a clipboard.
    virtual bool setClipboardText(const QString &text) = 0;
};

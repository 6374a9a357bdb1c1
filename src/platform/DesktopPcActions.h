// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The PC-side actions on the desktop the program runs in. Without a GUI application object
// there is no clipboard and no window: those actions then fail with a debug line.

#include "PcActions.h"

class DesktopPcActions : public PcActions
{
public:
    bool launchProgram(const QString &path) override;
    bool isOwnWindowActive() const override;
    bool setClipboardText(const QString &text) override;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The mouse's own commands: a button's function (0x47, one report, or a series for a macro),
// the report rate (0x46) and the profile reset (0x14). The lighting (0x42) is with the lighting
// commands, the DPI table (0x41) with MouseDpiCommand.

#include "MainHidInterFace.h"
#include "XmlRecords.h"

#include <QList>
#include <QString>

#include <optional>

namespace MouseCommands {

using Report = MainHidInterFace::Report;

constexpr int kMaxMacroEvents = 50;
constexpr int kMaxDelayMs = 65535;

// The button code of the mouse page's button index 0..7; 0xFF for any other.
int buttonCode(int buttonIndex);

// 0x47 for every function but the macro: remap, combination, multimedia, mouse function and
// disable. Empty for the functions the computer carries out (text, profile switch, program,
// shortcut), for the macro and for an unknown or garbled function.
std::optional<Report> buttonFunction(int buttonIndex, const CustomKeyInfo &info);

// A macro as the mouse takes it: the data reports, then the end report.
struct MacroReports {
    QList<Report> reports;  // data reports and, last, the end report; empty when refused
    QString refusal;        // why it was refused (untranslated log text); empty when built
    int skippedEvents = 0;  // events the mouse cannot play (wheel, side buttons), left out
    int cutDelays = 0;      // delays above 65535 ms sent as 65535
};
// mode 1..4 (once, several times, toggle, while held); more than kMaxMacroEvents playable events,
// or another mode, is refused.
MacroReports macroReports(int buttonIndex, int mode, int repeatNum, const QList<MacroEventInfo> &events);

// 0x46: the report interval for the rate slider's position 0..3 (8, 4, 2, 1 ms), 0 otherwise.
Report reportRate(int position);
// 0x14 of a mouse: back to the current profile's defaults.
Report resetProfile();

}  // namespace MouseCommands

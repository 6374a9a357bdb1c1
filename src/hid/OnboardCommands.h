// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The on-board memory commands of a keyboard: the key table of a layer (0x18, four bytes per
// layout position, fourteen positions per report), a macro as five reports (0x19: an 8-byte
// header and 248 bytes of 4-byte events) and the reset report (0x14). Pure functions: every
// report is 64 bytes with report id 1 in byte 0 (the transport puts in its interface's id).

#include "XmlRecords.h"

#include <QByteArray>
#include <QList>

namespace onboardcmd {

constexpr int kReportSize = 64;
constexpr int kEntriesPerKeyReport = 14;
constexpr int kMacroSlots = 10;
constexpr int kMacroParts = 5;
constexpr int kMaxMacroEvents = 62;
constexpr int kFn1Value = -20;
constexpr int kFnValue = -10;

// The four bytes of a position: key code 0 (a filler) or no record give zeros; macroNumber is
// the slot the position's macro goes to (macro records only). Kinds other than remap, macro,
// combination, multimedia and mouse, and values that do not fit a byte, give zeros.
QByteArray keyEntry(int keyCode, const CustomKeyInfo *record, int macroNumber = 0);
// One key table report: packet `packet` of layer 0 (Default) or 1 (FN1), entries at most 56 bytes.
QByteArray keyTableReport(int layer, int packet, const QByteArray &entries);
// The reports of a layer's entries (4 bytes per position), fourteen positions per report.
QList<QByteArray> keyTableReports(int layer, const QByteArray &entries);

// One macro event's four bytes; empty for an event that cannot be encoded (a type that is
// neither key nor mouse, a mouse code other than the three buttons, a key code outside 0 to 255).
QByteArray macroEvent(const MacroEventInfo &event);
// True when the record's play mode (1 to 4) can be stored.
bool isValidPlayMode(const CustomKeyInfo &record);
// The five reports of a macro in slot `number`, played as the record says. Events that cannot be
// encoded are skipped; at most 62 go, and the header counts those that went. Delays above 65535
// and repeat counts above 255 are capped. Empty when the play mode is invalid.
QList<QByteArray> macroReports(int number, const CustomKeyInfo &record, const QList<MacroEventInfo> &events);
// The five reports of an empty macro in slot `number`.
QList<QByteArray> emptyMacroReports(int number);

// The factory reset: 0x14 with byte 5 = 0 and byte 6 = 1.
QByteArray resetReport();

}  // namespace onboardcmd

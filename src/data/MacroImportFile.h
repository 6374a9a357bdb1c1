// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A macro file chosen for import: the checks that keep a file from elsewhere from breaking the
// library, and the cleaning of the events taken from it. A file is refused unless it is a regular
// file of at most 1 MiB that parses completely, has the root `Parameters` and at least one macro,
// and the last macro (the highest index) holds no more events than the event list shows.

#include "XmlRecords.h"

#include <QList>
#include <QString>

#include <functional>

class xmlInterface;

class MacroImportFile
{
public:
    // Reads the file's last macro; false (and a log line) when the file is refused.
    bool read(xmlInterface &store, const QString &path, int maxEvents, qint64 maxBytes);
    // The events read, as the file has them.
    QList<MacroEventInfo> events() const { return m_events; }

    // Whether the library may keep the event: a "key" event with a key usage from 1 to 255, or a
    // "mouse" event with a button message (513/514 left, 516/517 right, 519/520 middle) whose
    // direction matches it; a direction of "down" or "up"; a code of decimal digits; a key name
    // without control or format characters.
    static bool isKnownEvent(const MacroEventInfo &event);
    // The events made fit for the library: events that are not known (see isKnownEvent) are
    // dropped; delays 0 to 65535 (0 when not a number); a mark that is empty, not 16 lowercase
    // hexadecimal digits or borne by more than two events is replaced by a fresh one, shared by a
    // down and the next up of the same type and code.
    static QList<MacroEventInfo> cleaned(QList<MacroEventInfo> events, const std::function<QString()> &newMark);
    // The new macro's name: the file name up to its first '.', without control and format
    // characters, cut to the store's 63 bytes; "Macro<index>" when nothing is left.
    static QString macroName(const QString &fileName, int index);
    // The index an imported macro takes: the library's highest index + 1. False when that index
    // cannot be had (the highest is already the largest int, or an index is beyond it).
    static bool nextIndex(const QList<IndexNameInfo> &macros, int *index);

private:
    QList<MacroEventInfo> m_events;
};

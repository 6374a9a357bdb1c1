// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One lighting-mode list as a device reports it: the effects it supports, in the order
// reported, and the highest speed and brightness steps of those effects.

#include <QList>
#include <QMetaType>

class QByteArray;

struct LightTypeInfo {
    QList<int> lightTypeList;
    int speedMax = 0;
    int brightnessMax = 0;

    // Reads one list from a 64-byte report, starting at byte start: effect ids up to the end
    // mark (0xA5 or 0x5A, repeated marks count once), then the two maxima. Nothing past byte 63
    // is read: a value that would lie beyond it is 0, and a list without an end mark holds
    // every byte up to byte 63. A shorter report reads as if zero-filled to 64 bytes.
    // Returns the position where the next list starts (64 or more when nothing is left).
    static int readFromReport(const QByteArray &report, int start, LightTypeInfo *info);
};

Q_DECLARE_METATYPE(LightTypeInfo)

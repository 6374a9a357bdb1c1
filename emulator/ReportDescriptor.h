// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// HID report descriptors of the simulated interfaces, and a small reader that lists the
// top-level collections of a descriptor (what hidapi reports as usage page and usage,
// one entry per collection).

#include <cstdint>
#include <QByteArray>
#include <QVector>

namespace emu {

class ReportDescriptor
{
public:
    struct Collection {
        uint16_t usagePage = 0;
        uint16_t usage = 0;
        QVector<int> reportIds;  // report ids declared inside the collection, in order
    };

    // Boot-protocol keyboard: modifiers, reserved byte, LED output, six key slots. No report id.
    static QByteArray bootKeyboard();
    // Boot-protocol mouse: five buttons, x, y, wheel. No report id.
    static QByteArray bootMouse();
    // Consumer control (report id 2) and system control (report id 3).
    static QByteArray media();
    // Vendor-defined configuration reports: 63 bytes in and out after the report id.
    static QByteArray configuration(int reportId);
    // One interface with six top-level collections: keyboard (id 1), consumer (id 2),
    // system control (id 3), mouse (id 4), vendor (id 5) and the configuration reports,
    // whose report id is given, in the sixth.
    static QByteArray multiCollection(int configurationReportId);

    // The top-level collections in descriptor order. Malformed input yields what could be
    // read before the fault; never reads past the end.
    static QVector<Collection> topLevelCollections(const QByteArray &descriptor);
};

}  // namespace emu

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Decides whether a HID interface of a supported device is its configuration interface, and
// which report id the configuration reports carry there.
//
// A path that names the interface ("mi_02") or the collection ("col06") decides by itself:
// those are the configuration interface, with report id 6 on "col06", else 1. A hidraw path
// ("/dev/hidrawN") names neither, so its report descriptor decides: a sixth top-level
// collection that declares report id 6 makes it the configuration interface with report id 6;
// otherwise USB interface number 2 is the configuration interface with report id 1.

#include <QByteArray>
#include <QString>
#include <QVector>

class ReportDescriptorReader;

class HidInterfaceClassifier
{
public:
    struct Result {
        bool configuration = false;
        int reportId = 1;
    };

    static Result classify(const QString &path, int interfaceNumber, const ReportDescriptorReader &reader);

    // The report ids declared inside each top-level collection, in descriptor order. Reads
    // no further than the data goes: a truncated or malformed descriptor yields what came before.
    static QVector<QVector<int>> topLevelReportIds(const QByteArray &descriptor);
};

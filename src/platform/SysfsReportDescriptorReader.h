// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads a hidraw node's report descriptor from sysfs:
// "/dev/hidrawN" -> "/sys/class/hidraw/hidrawN/device/report_descriptor".

#include "ReportDescriptorReader.h"

class SysfsReportDescriptorReader : public ReportDescriptorReader
{
public:
    // root stands for "/sys/class/hidraw" (tests point it at a folder of their own).
    explicit SysfsReportDescriptorReader(const QString &root = QStringLiteral("/sys/class/hidraw"));

    QByteArray reportDescriptor(const QString &hidPath) const override;

    // The sysfs file that holds the descriptor of a hidraw path; empty for any other path.
    QString descriptorFile(const QString &hidPath) const;

    // The kernel caps a descriptor at this size; a larger file is not a descriptor.
    static constexpr int kMaxDescriptorSize = 4096;

private:
    QString m_root;
};

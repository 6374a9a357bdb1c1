// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Report descriptors of simulated devices, by their hidapi path, in place of sysfs.

#include "ReportDescriptorReader.h"

class EmulatorReportDescriptorReader : public ReportDescriptorReader
{
public:
    QByteArray reportDescriptor(const QString &hidPath) const override;
};

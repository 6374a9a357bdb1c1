// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Test double of the report-descriptor reader: the descriptors of the simulated devices,
// or fixed ones by path.

#include "Emulator.h"
#include "ReportDescriptorReader.h"

#include <QHash>

class EmulatorDescriptorReader : public ReportDescriptorReader
{
public:
    QByteArray reportDescriptor(const QString &hidPath) const override
    {
        const auto fixed = descriptors.constFind(hidPath);
        return fixed != descriptors.constEnd() ? fixed.value() : emu::reportDescriptorForPath(hidPath);
    }

    QHash<QString, QByteArray> descriptors;
};

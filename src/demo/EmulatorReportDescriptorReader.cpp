// SPDX-License-Identifier: GPL-3.0-or-later
#include "EmulatorReportDescriptorReader.h"

#include "Emulator.h"

QByteArray EmulatorReportDescriptorReader::reportDescriptor(const QString &hidPath) const
{
    return emu::reportDescriptorForPath(hidPath);
}

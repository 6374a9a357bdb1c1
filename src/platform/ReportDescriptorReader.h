// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Gives the HID report descriptor of an interface, by its hidapi path. The system's reader
// takes it from sysfs; tests hand in the descriptors of simulated devices.

#include <QByteArray>
#include <QString>

class ReportDescriptorReader
{
public:
    virtual ~ReportDescriptorReader();

    // The descriptor's bytes; empty when the path names no interface whose descriptor can be read.
    virtual QByteArray reportDescriptor(const QString &hidPath) const = 0;
};

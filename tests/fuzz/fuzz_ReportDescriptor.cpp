// SPDX-License-Identifier: GPL-3.0-or-later
// The report descriptor classifier on any bytes a device's sysfs entry may give.

#include "HidInterfaceClassifier.h"
#include "ReportDescriptorReader.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

namespace {

class FixedReader : public ReportDescriptorReader
{
public:
    explicit FixedReader(QByteArray descriptor)
        : m_descriptor(std::move(descriptor))
    {
    }
    QByteArray reportDescriptor(const QString &) const override { return m_descriptor; }

private:
    QByteArray m_descriptor;
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray descriptor(reinterpret_cast<const char *>(data), int(size));
    // Never more top-level collections than the descriptor has bytes.
    if (HidInterfaceClassifier::topLevelReportIds(descriptor).size() > descriptor.size())
        __builtin_trap();
    const FixedReader reader(descriptor);
    for (int interfaceNumber : {0, 1, 2}) {
        const HidInterfaceClassifier::Result result =
            HidInterfaceClassifier::classify(QStringLiteral("/dev/hidraw0"), interfaceNumber, reader);
        if (result.reportId != 1 && result.reportId != 6)
            __builtin_trap();
    }
    return 0;
}

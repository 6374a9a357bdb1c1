#include "FirmwareImageLayout.h"

namespace {

struct LayoutRow {
    const char *chipName;
    FirmwareImageLayout layout;
};

const LayoutRow kLayouts[] = {
    {"M252", {0x10000, 0xFE00, 0xFE0C, 0xFE1C}},
    {"NUC", {0x8000, 0x7E00, 0x7E0C, 0x7E1C}},
    {"NUC121", {0x8000, 0x7E00, 0x7E0C, 0x7E1C}},
    {"SN", {0x7800, 0x76A4, 0x76B0, 0x76C0}},
};

const FirmwareImageLayout &mouseLayout()
{
    return kLayouts[3].layout;
}

}  // namespace

FirmwareImageLayout FirmwareImageLayout::forChipFamily(const QString &chipName, const QString &mouseChipName)
{
    for (const LayoutRow &row : kLayouts) {
        if (chipName == QLatin1String(row.chipName))
            return row.layout;
    }
    if (!mouseChipName.isEmpty() && chipName == mouseChipName)
        return mouseLayout();
    return FirmwareImageLayout();
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "MouseDpiCommand.h"

#include <algorithm>

namespace MouseDpiCommand {

namespace {

constexpr int kReportSize = 64;
constexpr unsigned char kReportId = 0x01;
constexpr unsigned char kCommand = 0x41;
constexpr unsigned char kPayloadLength = 0x26;
constexpr int kFirstLevelByte = 7;
constexpr int kBytesPerLevel = 6;

}  // namespace

int dpiOnGrid(int dpi)
{
    return std::clamp(dpi / kDpiStep * kDpiStep, kMinDpi, kMaxDpi);
}

int colorComponent(int value)
{
    return std::clamp(value, 0, 255);
}

QList<DpiItemInfo> firstItemPerLevel(const QList<DpiItemInfo> &items)
{
    QList<DpiItemInfo> levels;
    for (int level = 1; level <= kLevels; ++level) {
        const auto found = std::find_if(items.cbegin(), items.cend(),
                                        [level](const DpiItemInfo &item) { return item.index == level; });
        if (found != items.cend())
            levels.append(*found);
    }
    return levels;
}

QByteArray buildReport(const QList<DpiItemInfo> &items, int activeLevel, const QMap<int, int> &dpiCodes)
{
    if (activeLevel < 1 || activeLevel > kLevels)
        return QByteArray();
    QByteArray report(kReportSize, '\0');
    report[0] = char(kReportId);
    report[1] = char(kCommand);
    report[5] = char(kPayloadLength);
    report[6] = char(activeLevel - 1);
    int at = kFirstLevelByte;
    for (const DpiItemInfo &item : firstItemPerLevel(items)) {
        report[at + 0] = char(item.selectStatus & 0xFF);
        report[at + 1] = char(dpiCodes.value(dpiOnGrid(item.dpiX)) & 0xFF);
        report[at + 2] = char(dpiCodes.value(dpiOnGrid(item.dpiY)) & 0xFF);
        report[at + 3] = char(colorComponent(item.dpiColorR));
        report[at + 4] = char(colorComponent(item.dpiColorG));
        report[at + 5] = char(colorComponent(item.dpiColorB));
        at += kBytesPerLevel;
    }
    report[at] = 1;
    return report;
}

}  // namespace MouseDpiCommand

// SPDX-License-Identifier: GPL-3.0-or-later
#include "DeviceCodeTables.h"

#include <QStringList>

namespace devicecodes {

int valueFunction(const QString &value)
{
    bool ok = false;
    const int function = value.trimmed().toInt(&ok);
    return ok ? function : -1;
}

int multimediaDeviceCode(int function)
{
    static const int kCodes[] = {0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x30, 0x32, 0x34, 0x23, 0x20};
    if (function < 0 || function >= int(sizeof kCodes / sizeof kCodes[0]))
        return 0;
    return kCodes[function];
}

int mouseKeyDeviceCode(int function)
{
    static const int kCodes[] = {0x01, 0x04, 0x02, 0x01, 0xFF, 0x08, 0x10};
    if (function < 0 || function >= int(sizeof kCodes / sizeof kCodes[0]))
        return 0;
    return kCodes[function];
}

int mouseKeyWheelFlag(int function)
{
    return function == 3 || function == 4 ? 1 : 0;
}

std::array<int, 3> combinationKeyList(const QString &value)
{
    const std::array<int, 3> none{0, 0, 0};
    const int comma = value.indexOf(QLatin1Char(','));
    bool ok = false;
    const int mask = value.left(comma).trimmed().toInt(&ok);
    if (!ok || mask < 0)
        return none;
    std::array<int, 3> keys = none;
    const QString usageText = comma < 0 ? QString() : value.mid(comma + 1).trimmed();
    if (!usageText.isEmpty()) {
        // A usage that is there must be one: a garbled or out-of-range one would play another key.
        const int usage = usageText.toInt(&ok);
        if (!ok || usage < 0 || usage > 0xFF)
            return none;
        keys[2] = usage;
    }
    bool first = true;
    for (int bit = 0; bit < 8; ++bit) {
        if (!(mask & (1 << bit)))
            continue;
        keys[first ? 0 : 1] = 0xE0 + bit;
        first = false;
    }
    return keys;
}

}  // namespace devicecodes

// SPDX-License-Identifier: GPL-3.0-or-later
#include "DeviceKeyCodes.h"

#include "RecordText.h"

#include <QByteArray>
#include <QList>

namespace DeviceKeyCodes {

namespace {

constexpr int kFirstModifierUsage = 224;
constexpr int kModifierBits = 8;

int valueNumber(const CustomKeyInfo &info, bool *ok)
{
    return recordText(info.Value).trimmed().toInt(ok);
}

}  // namespace

CombinationKeys getCombinationKeyList(const CustomKeyInfo &info)
{
    CombinationKeys keys;
    const QByteArray value = recordText(info.Value);
    const QList<QByteArray> parts = value.split(',');
    if (parts.size() != 2)
        return keys;
    bool modifiersOk = false;
    bool keyOk = false;
    const int modifiers = parts.at(0).trimmed().toInt(&modifiersOk);
    const int key = parts.at(1).trimmed().toInt(&keyOk);
    if (!modifiersOk || !keyOk || key < 0 || key > 0xFF)
        return keys;
    keys.key = key;
    int lowest = -1;
    for (int bit = 0; bit < kModifierBits; ++bit) {
        if (modifiers & (1 << bit)) {
            lowest = bit;
            break;
        }
    }
    if (lowest < 0)
        return keys;
    keys.firstModifier = kFirstModifierUsage + lowest;
    for (int bit = kModifierBits - 1; bit > lowest; --bit) {
        if (modifiers & (1 << bit)) {
            keys.secondModifier = kFirstModifierUsage + bit;
            break;
        }
    }
    return keys;
}

int getMouseKeyDeviceCode(const CustomKeyInfo &info)
{
    bool ok = false;
    const int function = valueNumber(info, &ok);
    if (!ok)
        return 0;
    switch (function) {
    case 0:
        return 1;
    case 1:
        return 4;
    case 2:
        return 2;
    case 3:
        return 1;
    case 4:
        return 0xFF;
    case 5:
        return 8;
    case 6:
        return 16;
    default:
        return 0;
    }
}

int getMultimediaDeviceCode(const CustomKeyInfo &info)
{
    bool ok = false;
    const int function = valueNumber(info, &ok);
    if (!ok)
        return 0;
    if (function >= 0 && function <= 7)
        return 0x10 + function;
    switch (function) {
    case 8:
        return 0x30;
    case 9:
        return 0x32;
    case 10:
        return 0x34;
    case 11:
        return 0x23;
    case 12:
        return 0x20;
    default:
        return 0;
    }
}

}  // namespace DeviceKeyCodes

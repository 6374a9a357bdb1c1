// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a key assignment's functions are numbered on the devices: the usages of a key combination,
// the mouse function codes and the multimedia codes. Shared by the mouse's button command and
// the on-board key tables.

#include "XmlRecords.h"

namespace DeviceKeyCodes {

struct CombinationKeys {
    int firstModifier = 0;   // 224 + the lowest set modifier bit; 0 without a modifier
    int secondModifier = 0;  // 224 + the highest other set bit; 0 when there is only one
    int key = 0;             // the key's usage
};

// The combination's Value is the modifier bits, a comma and the key's usage ("5,4").
// A garbled text reads as no modifier and no key.
CombinationKeys getCombinationKeyList(const CustomKeyInfo &info);
// Mouse function 0 left 1, 1 centre 4, 2 right 2, 3 wheel up 1, 4 wheel down 0xFF, 5 forward 8,
// 6 back 16, anything else (sniper) 0.
int getMouseKeyDeviceCode(const CustomKeyInfo &info);
// Multimedia function 0..7 -> 0x10..0x17, 8 0x30, 9 0x32, 10 0x34, 11 0x23, 12 0x20, other 0.
int getMultimediaDeviceCode(const CustomKeyInfo &info);

}  // namespace DeviceKeyCodes

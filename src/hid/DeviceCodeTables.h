// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The codes a keyboard or the mouse stores for a key function: the multimedia code, the mouse
// button code and wheel flag, and the usages of a key combination. The on-board key table and
// the mouse's key command are built from them.

#include <QString>

#include <array>

namespace devicecodes {

// A record's Value as the function number these tables take; -1 when it is not a number.
int valueFunction(const QString &value);
// Multimedia function 0 to 12 to the device's code; anything else 0.
int multimediaDeviceCode(int function);
// Mouse function 0 to 6 to the device's button code (wheel down 0xFF); anything else, the sniper
// key included, 0.
int mouseKeyDeviceCode(int function);
// 1 for the wheel functions (3 up, 4 down), else 0.
int mouseKeyWheelFlag(int function);
// "mask,usage": the first modifier usage, the second (the highest further one) and the key
// usage, 0 where not set. Modifier bit i stands for usage 0xE0 + i; only bits 0 to 7 count.
// Without a usage ("5" or "5,") the modifiers stand alone with key usage 0; a mask that is not a
// number, or a usage that is not one from 0 to 255 ("1,300", "1,x"), gives no key at all: 0, 0, 0.
std::array<int, 3> combinationKeyList(const QString &value);

}  // namespace devicecodes

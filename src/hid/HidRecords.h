// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Records of the device enumeration: one matched device, its information fields and its
// identification texts. Plain records of fixed-size texts, copied by value; every text
// copied in is cut to the field's width less one byte and ends with a zero byte.

#include <cstdint>
#include <QMetaType>

// One matched device.
struct hidStructInfo {
    int32_t vid = 0;
    int32_t pid = 0;
    char hidPath[256] = {};
    char manufacturer[64] = {};
    char product[64] = {};
    char hidName[128] = {};  // the model the device reported; "Hid Name" until queried
    char firmwareId[128] = {};
    int32_t deviceType = 0;  // 0 keyboard, 1 mouse
};

// The comma-separated fields of a device's information text.
struct HidDeviceInfo {
    char chipName[64] = {};
    char chipNum[64] = {};
    char deviceKind[64] = {};
    char makerTag[64] = {};
    char hidName[128] = {};
    char version[64] = {};
    char hidPath[256] = {};
    char newVersion[64] = {};  // filled by the firmware update with a newer image's version
};

// A device's identification text and build text.
struct HidVersionInfo {
    char idText[128] = {};
    char buildText[128] = {};
};

Q_DECLARE_METATYPE(hidStructInfo)
Q_DECLARE_METATYPE(HidDeviceInfo)
Q_DECLARE_METATYPE(HidVersionInfo)

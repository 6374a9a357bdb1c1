// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Entries of the two device lists that travel with the program ("hidList.xml" and
// "hidListSupport.xml"). Plain records of fixed-size texts, copied by value.

#include <cstdint>

// One entry of the device list: a keyboard or mouse model the program knows.
struct HidListInfo {
    char hidType[64] = {};
    char addTime[64] = {};
    int32_t transparentImg = 0;
    int32_t SizeWidth = 0;
    int32_t SizeHeight = 0;
    char hidName[128] = {};
    int32_t keyNum = 0;
    char productName[128] = {};
    char likeName[128] = {};
};

// One entry of the supported-device list: USB ids the enumeration accepts.
struct SupportHidInfo {
    char hidType[64] = {};
    char addTime[64] = {};
    char Vid[16] = {};
    char Pid[16] = {};
    int32_t type = 0;
    char nucName[128] = {};
};

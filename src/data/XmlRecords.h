// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Records that cross the XML store's interface: profiles, key assignments, lighting, colour
// swatches, custom per-key lighting, DPI levels, function switches and macro steps.
// Plain records of fixed-size texts and 32-bit integers, copied by value. Every text field
// holds a zero-terminated text; the store cuts a longer value to the field's width less one
// byte, at a UTF-8 character boundary. Each field has the name of the XML attribute it mirrors.

#include <cstdint>
#include <QMetaType>

// One entry of a sorted (index, name) list of profiles or macros.
struct IndexNameInfo {
    char index[64] = {};
    char name[64] = {};
};

// Index and name of a macro, as looked up by its index.
struct NodeIndexName {
    int32_t index = 0;
    char name[48] = {};
};

// One profile's attributes.
struct ProfileConfigInfo {
    char index[8] = {};
    char name[128] = {};
    char proFileAppName[256] = {};
    char proFileAppIco[256] = {};
};

// A profile's four function switches, as texts.
struct FunctionSetting {
    char feature1[8] = {};
    char feature2[8] = {};
    char feature3[8] = {};
    char feature4[8] = {};
};

// One user colour swatch.
struct CustomColorInfo {
    int32_t index = 0;
    int32_t actionStatus = 0;
    int32_t colorR = 0;
    int32_t colorG = 0;
    int32_t colorB = 0;
    int32_t transparentNum = 0;
};

// One saved custom per-key lighting, without its keys.
struct CustomLedInfo {
    char index[16] = {};
    char name[64] = {};
    char isUsing[16] = {};       // "Using" or "UnUsing"
    int32_t usingFlagIndex = 0;  // 0 or 1 while in use, -1 otherwise
};

// One key of a custom lighting.
struct CustomLedItemInfo {
    char keyCode[16] = {};
    char codeName[64] = {};
    int32_t indexX = 0;  // key-matrix row, 0 to 5
    int32_t indexY = 0;  // key-matrix column, 0 to 21
    int32_t colorR = 0;
    int32_t colorG = 0;
    int32_t colorB = 0;
    int32_t transparentNum = 0;  // alpha
};

// One macro step.
struct MacroEventInfo {
    char mark[64] = {};   // shared by the down and the up step of one press
    char delay[16] = {};  // milliseconds before the step
    char type[16] = {};   // "key" or "mouse"
    char keyCode[16] = {};
    char codeName[64] = {};        // caption
    char operateExplain[64] = {};  // "down" or "up"
};

// One key's assignment as stored in a profile.
// operateType: 0 remap, 1 macro, 2 combination, 3 multimedia, 4 mouse key, 5 disable,
// 6 text, 7 profile switch, 8 launch program, 9 system shortcut.
struct CustomKeyInfo {
    char keyCode[16] = {};
    char keyChar[64] = {};
    char operateType[8] = {};
    char repeatNum[8] = {};
    char mode[8] = {};
    char Value[5120] = {};
};

// One lighting configuration of a zone and effect.
struct colorInfoData {
    int32_t ledKeyboardOrSide = 0;  // zone 0, 1 or 2
    int32_t ledType = 0;            // effect id
    int32_t ledBrightness = 0;
    int32_t ledSpeed = 0;
    int32_t ledModeR = 0;
    int32_t ledModeG = 0;
    int32_t ledModeB = 0;
    int32_t ledBgR = 0;
    int32_t ledBgG = 0;
    int32_t ledBgB = 0;
    int32_t ledDirection = 0;
    int32_t ledModeType = 0;  // single or full colour
    int32_t ledOpenOrClose = 0;
    int32_t ledUpdate = 0;
};

// One DPI level of the mouse. The file stores `index` before `selectStatus`; the store maps
// the values by name.
struct DpiItemInfo {
    int32_t selectStatus = 0;
    int32_t index = 0;
    int32_t isXY = 0;
    int32_t dpiX = 0;
    int32_t dpiY = 0;
    int32_t dpiColorR = 0;
    int32_t dpiColorG = 0;
    int32_t dpiColorB = 0;
};

Q_DECLARE_METATYPE(IndexNameInfo)
Q_DECLARE_METATYPE(NodeIndexName)
Q_DECLARE_METATYPE(ProfileConfigInfo)
Q_DECLARE_METATYPE(FunctionSetting)
Q_DECLARE_METATYPE(CustomColorInfo)
Q_DECLARE_METATYPE(CustomLedInfo)
Q_DECLARE_METATYPE(CustomLedItemInfo)
Q_DECLARE_METATYPE(MacroEventInfo)
Q_DECLARE_METATYPE(CustomKeyInfo)
Q_DECLARE_METATYPE(colorInfoData)
Q_DECLARE_METATYPE(DpiItemInfo)

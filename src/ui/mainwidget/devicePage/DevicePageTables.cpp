// SPDX-License-Identifier: GPL-3.0-or-later
#include "DevicePageTables.h"

#include <QtGlobal>

namespace DevicePageTables {

const ButtonEntry keyOperationButtons[11] = {
    {"toolButton_Default", QT_TRANSLATE_NOOP("DDevicePage", "Default"), ":/images/device/defaultDef.png"},
    {"toolButton_Macro", QT_TRANSLATE_NOOP("DDevicePage", "Macro"), ":/images/device/macroDef.png"},
    {"toolButton_RemapKey", QT_TRANSLATE_NOOP("DDevicePage", "Remap key"), ":/images/device/RemapKeyDef.png"},
    {"toolButton_Mouse", QT_TRANSLATE_NOOP("DDevicePage", "Mouse"), ":/images/device/mouseDef.png"},
    {"toolButton_Text", QT_TRANSLATE_NOOP("DDevicePage", "Text"), ":/images/device/textDef.png"},
    {"toolButton_Disable", QT_TRANSLATE_NOOP("DDevicePage", "Disable"), ":/images/device/disableDef.png"},
    {"toolButton_Multimedia", QT_TRANSLATE_NOOP("DDevicePage", "Multimedia"), ":/images/device/multimediaDef.png"},
    {"toolButton_CombinationKey", QT_TRANSLATE_NOOP("DDevicePage", "key combination"),
     ":/images/device/combinationKeyDef.png"},
    {"toolButton_OpenApp", QT_TRANSLATE_NOOP("DDevicePage", "Launch application"), ":/images/device/openAppDef.png"},
    {"toolButton_Shortcuts", QT_TRANSLATE_NOOP("DDevicePage", "Shortcuts"), ":/images/device/ShortcutsDef.png"},
    {"toolButton_SwitchProfile", QT_TRANSLATE_NOOP("DDevicePage", "Switch profile"),
     ":/images/device/SwitchProfileDef.png"},
};

const ButtonEntry keyboardEffectButtons[18] = {
    {"toolButton_Static", QT_TRANSLATE_NOOP("DDevicePage", "Static"), ":/images/deviceLed/StaticDef.png"},
    {"toolButton_Neon", QT_TRANSLATE_NOOP("DDevicePage", "Neon"), ":/images/deviceLed/NeonDef.png"},
    {"toolButton_Breath", QT_TRANSLATE_NOOP("DDevicePage", "Breath"), ":/images/deviceLed/BreathDef.png"},
    {"toolButton_Wave", QT_TRANSLATE_NOOP("DDevicePage", "Wave"), ":/images/deviceLed/WaveDef.png"},
    {"toolButton_Twinkle", QT_TRANSLATE_NOOP("DDevicePage", "Twinkle"), ":/images/deviceLed/TwinkleDef.png"},
    {"toolButton_Snack", QT_TRANSLATE_NOOP("DDevicePage", "Snack"), ":/images/deviceLed/SnackDef.png"},
    {"toolButton_Radar", QT_TRANSLATE_NOOP("DDevicePage", "Radar"), ":/images/deviceLed/RadarDef.png"},
    {"toolButton_Aurora", QT_TRANSLATE_NOOP("DDevicePage", "Aurora"), ":/images/deviceLed/AuroraDef.png"},
    {"toolButton_Ripple", QT_TRANSLATE_NOOP("DDevicePage", "Ripple"), ":/images/deviceLed/RippleDef.png"},
    {"toolButton_SpeedRespond", QT_TRANSLATE_NOOP("DDevicePage", "Speed Respond"),
     ":/images/deviceLed/SpeedRespondDef.png"},
    {"toolButton_Reactive", QT_TRANSLATE_NOOP("DDevicePage", "Reactive"), ":/images/deviceLed/ReactiveDef.png"},
    {"toolButton_CustomLed", QT_TRANSLATE_NOOP("DDevicePage", "Custom"), ":/images/deviceLed/CustomLedDef.png"},
    {"toolButton_Cross", QT_TRANSLATE_NOOP("DDevicePage", "Cross"), ":/images/deviceLed/CrossDef.png"},
    {"toolButton_MouseDPI", QT_TRANSLATE_NOOP("DDevicePage", "DPI"), ":/images/deviceLed/DpiDef.png"},
    {"toolButton_MusicalRhythm", QT_TRANSLATE_NOOP("DDevicePage", "Musical Rhythm"),
     ":/images/deviceLed/MusicalRhythmDef.png"},
    {"toolButton_AutoRipple", QT_TRANSLATE_NOOP("DDevicePage", "Auto Ripple"), ":/images/deviceLed/AutoRippleDef.png"},
    {"toolButton_Striation", QT_TRANSLATE_NOOP("DDevicePage", "Striation"), ":/images/deviceLed/StriationDef.png"},
    {"toolButton_Fireworks", QT_TRANSLATE_NOOP("DDevicePage", "Fireworks"), ":/images/deviceLed/FireworksDef.png"},
};

const ButtonEntry sideEffectButtons[5] = {
    {"toolButton_SideStatic", QT_TRANSLATE_NOOP("DDevicePage", "Static"), ":/images/deviceLed/StaticDef.png"},
    {"toolButton_SideNeon", QT_TRANSLATE_NOOP("DDevicePage", "Neon"), ":/images/deviceLed/NeonDef.png"},
    {"toolButton_SideBreath", QT_TRANSLATE_NOOP("DDevicePage", "Breath"), ":/images/deviceLed/BreathDef.png"},
    {"toolButton_SideWave", QT_TRANSLATE_NOOP("DDevicePage", "Wave"), ":/images/deviceLed/WaveDef.png"},
    {"toolButton_SideCollision", QT_TRANSLATE_NOOP("DDevicePage", "Collision"), ":/images/deviceLed/CollisionDef.png"},
};

const ButtonEntry scrollLogoEffectButtons[4] = {
    {"toolButton_MouseScrollAndLogoStatic", QT_TRANSLATE_NOOP("DDevicePage", "Static"),
     ":/images/deviceLed/StaticDef.png"},
    {"toolButton_MouseScrollAndLogoNeon", QT_TRANSLATE_NOOP("DDevicePage", "Neon"), ":/images/deviceLed/NeonDef.png"},
    {"toolButton_MouseScrollAndLogoBreath", QT_TRANSLATE_NOOP("DDevicePage", "Breath"),
     ":/images/deviceLed/BreathDef.png"},
    {"toolButton_MouseScrollAndLogoDPI", QT_TRANSLATE_NOOP("DDevicePage", "DPI"), ":/images/deviceLed/DpiDef.png"},
};

const KeyEffectIds keyEffectIds[18] = {
    {0, 0},  {3, 3}, {1, 1},   {2, 2},   {9, 6},  {5, 4},    {4, -1},  {7, -1},  {8, -1},
    {12, 8}, {6, 5}, {10, -1}, {11, -1}, {-1, 7}, {100, -1}, {14, -1}, {15, -1}, {16, -1},
};

const int sideEffectIds[5] = {0, 4, 1, 2, 3};

int keyboardEffectButton(int ledType)
{
    for (int id = 0; id < 18; ++id) {
        if (ledType >= 0 && keyEffectIds[id].keyboard == ledType)
            return id;
    }
    return -1;
}

int mouseAroundEffectButton(int ledType)
{
    for (int id = 0; id < 18; ++id) {
        if (ledType >= 0 && keyEffectIds[id].mouseAround == ledType)
            return id;
    }
    return -1;
}

int sideEffectButton(int ledType)
{
    for (int id = 0; id < 5; ++id) {
        if (sideEffectIds[id] == ledType)
            return id;
    }
    return -1;
}

QMap<int, int> dpiCodeMap()
{
    // Row = thousands, column = hundreds; 0 where the table has no value.
    static const int codes[6][10] = {
        {0, 0, 4, 6, 8, 11, 13, 15, 18, 20},
        {22, 25, 27, 29, 32, 34, 36, 39, 41, 43},
        {46, 48, 50, 52, 55, 57, 59, 62, 64, 66},
        {69, 71, 73, 76, 78, 80, 83, 85, 87, 90},
        {92, 94, 97, 99, 101, 104, 106, 108, 111, 113},
        {115, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    };
    QMap<int, int> map;
    for (int thousands = 0; thousands < 6; ++thousands) {
        for (int hundreds = 0; hundreds < 10; ++hundreds) {
            if (codes[thousands][hundreds] != 0)
                map.insert(thousands * 1000 + hundreds * 100, codes[thousands][hundreds]);
        }
    }
    return map;
}

}  // namespace DevicePageTables

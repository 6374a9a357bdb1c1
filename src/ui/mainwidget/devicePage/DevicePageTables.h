// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fixed tables of the device page: the buttons of the key-operation list and of the three
// effect lists (object name, caption and icon), and the DPI-to-sensor-code table of the mouse.

#include <QMap>

namespace DevicePageTables {

struct ButtonEntry {
    const char *objectName;
    const char *caption;  // source text, translated in the "DDevicePage" context
    const char *icon;     // the normal picture; the selected one has "Sel" in place of "Def"
};

// In button-id order.
extern const ButtonEntry keyOperationButtons[11];
extern const ButtonEntry keyboardEffectButtons[18];
extern const ButtonEntry sideEffectButtons[5];
extern const ButtonEntry scrollLogoEffectButtons[4];

// The effect ids behind the buttons of the key-effect group, in button-id order: the keyboard's
// key-matrix effect and the mouse's Around-zone effect; -1 where the button is not shown.
struct KeyEffectIds {
    int keyboard;
    int mouseAround;
};
extern const KeyEffectIds keyEffectIds[18];
// The side-strip effect of each button of the side group, in button-id order.
extern const int sideEffectIds[5];
// The reverse maps: the button of an effect id, -1 for an id without a button. The scroll and
// logo group's button ids are its effect ids.
int keyboardEffectButton(int ledType);
int mouseAroundEffectButton(int ledType);
int sideEffectButton(int ledType);

// DPI value (200 to 5000 in steps of 100) -> the sensor's code for it.
QMap<int, int> dpiCodeMap();

}  // namespace DevicePageTables

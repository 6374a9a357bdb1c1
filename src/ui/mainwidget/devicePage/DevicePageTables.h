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

// DPI value (200 to 5000 in steps of 100) -> the sensor's code for it.
QMap<int, int> dpiCodeMap();

}  // namespace DevicePageTables

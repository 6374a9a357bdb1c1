// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one table of device models: every fact about a keyboard or mouse model, about the USB ids
// the program accepts and about the bootloaders of a firmware update that more than one part of
// the program needs. The transport, the shell, the emulator and the tests all read it here.
// Plain data; Qt Core at most.
//
// A new per-model fact is a new column at the end of DeviceModel with a default value, filled in
// the table in DeviceModels.cpp and read through a function declared below.

#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>

namespace models {

enum class DeviceKind { Keyboard, Mouse };

// A read-only view of one of the tables below.
template <typename T>
struct TableView {
    const T *first = nullptr;
    std::size_t count = 0;

    const T *begin() const { return first; }
    const T *end() const { return first + count; }
    std::size_t size() const { return count; }
    const T &operator[](std::size_t i) const { return first[i]; }
};

struct DeviceModel {
    const char *code = "";  // "ZK87A": the code the device lists, layouts, templates and pictures use
    DeviceKind kind = DeviceKind::Keyboard;
    const char *productName = "";  // as the device list names it
    int keyCount = 0;              // keys of the keyboard; 0 for the mouse
    bool sideLights = false;       // a strip of side lights with its own effect list
    int framesPerBatch = 10;       // lighting frames a keyboard's transport gathers per batch: 10 or 11
    // The key layout the keyboard's "KeyInfo_<code>.config" is: "87", "87S", "104" or "104S"
    // (resources/configDir/KeyLayout_<family>.config); empty for the mouse.
    const char *layoutFamily = "";
    int sideLedCount = 0;          // LEDs of the side light strip, in one row under the keys
    bool roundedSideLeds = false;  // the side LEDs are drawn with rounded ends
    int enterNotchWidth = 10;      // the tall two-row Enter key's notch, where a layout has that key
    int enterUpperHeight = 30;
    std::array<int, 3> lockedKeys{};  // key codes that cannot be chosen for assignment; 0 fills
    // Side LEDs in a keyboard's colour frame: 41, 45, 49 or 50 for the long strips; every other
    // keyboard, with or without side lights, sends the 33 of the short one, unlit. 8 key reports and
    // 2 or 3 side reports make one frame, which fills one batch.
    int sideFrameLeds = 33;
    // The on-board editor: the size of the keyboard drawing, whether the keyboard has its own FN1
    // key (code 251) in place of Fn, and whether its layout menu offers QWERTY alone (no Mac, no Dvorak).
    int onboardPageWidth = 700;
    int onboardPageHeight = 210;
    bool fn1KeyPreset = false;
    bool reducedLayoutMenu = false;
};

struct UsbId {
    uint16_t vendorId = 0;
    uint16_t productId = 0;
};

// A pair of USB ids the program opens, with the chip family where the device list names it.
struct SupportedId {
    UsbId id;
    DeviceKind kind = DeviceKind::Keyboard;
    const char *chipFamily = "";  // empty where unknown
};

// A device waiting in its bootloader for a firmware image.
struct BootloaderId {
    UsbId id;
    const char *chipFamily = "";  // empty where unknown
};

// Frames per batch for a model the table does not know, and for every keyboard not listed with 11.
constexpr int kDefaultFramesPerBatch = 10;
// Side LEDs of the colour frame for a model the table does not know.
constexpr int kDefaultSideFrameLeds = 33;

TableView<DeviceModel> deviceModels();
// The model with this code; nullptr for an unknown code.
const DeviceModel *findDeviceModel(const QString &code);
int framesPerBatch(const QString &code);    // kDefaultFramesPerBatch for an unknown code
int keyCount(const QString &code);          // 0 for an unknown code
bool hasSideLights(const QString &code);    // false for an unknown code
QString layoutFamily(const QString &code);  // empty for an unknown code
int sideLedCount(const QString &code);      // 0 for an unknown code
bool hasRoundedSideLeds(const QString &code);
// The tall Enter key's notch width and upper-part height; 10 x 30 for an unknown code.
int enterNotchWidth(const QString &code);
int enterUpperHeight(const QString &code);
// True when the key with this code cannot be chosen for assignment on this model.
bool isLockedKey(const QString &code, int keyCode);
int framesPerBatch(const QString &code);  // kDefaultFramesPerBatch for an unknown code
int keyCount(const QString &code);        // 0 for an unknown code
bool hasSideLights(const QString &code);  // false for an unknown code
int sideFrameLeds(const QString &code);   // kDefaultSideFrameLeds for an unknown code
// The on-board editor's page for the model: 700 x 210 for an unknown code.
int onboardPageWidth(const QString &code);
int onboardPageHeight(const QString &code);
bool hasFn1KeyPreset(const QString &code);       // false for an unknown code
bool hasReducedLayoutMenu(const QString &code);  // false for an unknown code

TableView<SupportedId> supportedIds();
bool isSupportedId(int vendorId, int productId);

TableView<BootloaderId> bootloaderIds();
bool isBootloaderId(int vendorId, int productId);

// The one reader of a USB id as the device lists write it: one to four hexadecimal digits in
// either letter case, blanks around them ignored; no sign, no "0x", nothing else. Returns the id,
// or -1 for a text that is not one (such an entry matches no device).
int usbIdFromText(const QString &text);

}  // namespace models

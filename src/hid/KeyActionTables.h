// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the numbered functions of a key assignment stand for: the multimedia functions as a bit
// of the media report, the mouse functions as buttons and wheel, the system shortcuts as the
// key combination they are sent as.

namespace keyactions {

// Bytes of the media report.
enum MediaByte { MediaGroup = 0, BrowserGroup = 1, ToolsGroup = 2 };

struct MediaBit {
    int byte = BrowserGroup;
    unsigned char bit = 0;  // 0: no function
};

// Multimedia function 0 to 12 (Volume+, Volume-, Mute, Play/Pause, Next, Previous, Stop, the
// spare Media bit, Media player, Calculator, Computer, Browser, E-mail).
MediaBit mediaFunction(int function);

struct MouseChange {
    unsigned char buttons = 0;  // button bits held while the function is held
    int wheel = 0;              // wheel step while held: 1 up, -1 down
    bool sniper = false;        // the sniper button (a mouse's own button only)
};

// Mouse function 0 left, 1 middle, 2 right, 3 wheel up, 4 wheel down, 5 forward, 6 back,
// 7 sniper. Anything else changes nothing.
MouseChange mouseFunction(int function);

// Mouse report button bits.
constexpr unsigned char kLeftButton = 0x01;
constexpr unsigned char kRightButton = 0x02;
constexpr unsigned char kMiddleButton = 0x04;
constexpr unsigned char kBackButton = 0x08;
constexpr unsigned char kForwardButton = 0x10;
constexpr unsigned char kDpiButton = 0x20;

struct ShortcutKeys {
    int modifier = 0;  // usage of the modifier, 224 to 231; 0: no shortcut
    int key = 0;       // usage of the key
};

// System shortcut 0 to 11: Alt+F4, Alt+Tab, Win+D, Win+E, Win+L, Ctrl+C, Ctrl+X, Ctrl+V,
// Ctrl+F, Ctrl+N, Ctrl+P, Ctrl+S.
ShortcutKeys windowsShortcut(int shortcut);

constexpr int kCloseWindowShortcut = 0;
constexpr int kUsageLeftCtrl = 224;
constexpr int kUsageLeftAlt = 226;
constexpr int kUsageV = 25;

}  // namespace keyactions

// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyActionTables.h"

#include <cstddef>

namespace keyactions {

namespace {

constexpr int kUsageLeftGui = 227;

constexpr MediaBit kMediaFunctions[] = {
    {MediaGroup, 0x01},    // Volume+
    {MediaGroup, 0x02},    // Volume-
    {MediaGroup, 0x04},    // Mute
    {MediaGroup, 0x08},    // Play/Pause
    {MediaGroup, 0x10},    // Next
    {MediaGroup, 0x20},    // Previous
    {MediaGroup, 0x40},    // Stop
    {MediaGroup, 0x80},    // not offered by the multimedia page
    {ToolsGroup, 0x01},    // Media player
    {ToolsGroup, 0x04},    // Calculator
    {ToolsGroup, 0x10},    // Computer
    {BrowserGroup, 0x08},  // Browser
    {BrowserGroup, 0x01},  // E-mail
};

constexpr MouseChange kMouseFunctions[] = {
    {kLeftButton, 0, false}, {kMiddleButton, 0, false},  {kRightButton, 0, false}, {0, 1, false},
    {0, -1, false},          {kForwardButton, 0, false}, {kBackButton, 0, false},  {0, 0, true},
};

constexpr ShortcutKeys kShortcuts[] = {
    {kUsageLeftAlt, 61},   // Alt+F4
    {kUsageLeftAlt, 43},   // Alt+Tab
    {kUsageLeftGui, 7},    // Win+D
    {kUsageLeftGui, 8},    // Win+E
    {kUsageLeftGui, 15},   // Win+L
    {kUsageLeftCtrl, 6},   // Ctrl+C
    {kUsageLeftCtrl, 27},  // Ctrl+X
    {kUsageLeftCtrl, 25},  // Ctrl+V
    {kUsageLeftCtrl, 9},   // Ctrl+F
    {kUsageLeftCtrl, 17},  // Ctrl+N
    {kUsageLeftCtrl, 19},  // Ctrl+P
    {kUsageLeftCtrl, 22},  // Ctrl+S
};

template <typename T, std::size_t N>
T entry(const T (&table)[N], int index)
{
    return index >= 0 && static_cast<std::size_t>(index) < N ? table[index] : T();
}

}  // namespace

MediaBit mediaFunction(int function)
{
    return entry(kMediaFunctions, function);
}

MouseChange mouseFunction(int function)
{
    return entry(kMouseFunctions, function);
}

ShortcutKeys windowsShortcut(int shortcut)
{
    return entry(kShortcuts, shortcut);
}

}  // namespace keyactions

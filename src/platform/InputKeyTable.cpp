// SPDX-License-Identifier: GPL-3.0-or-later
#include "InputKeyTable.h"

#include "LogCategories.h"

#include <QSet>

#include <array>
#include <mutex>

namespace {

struct Row {
    int linuxCode;
    int virtualKey;
    int scanCode;
    bool extended;
    int hidUsage;
};

constexpr bool E0 = true;
constexpr bool NoE0 = false;

// Linux code, virtual-key, set-1 make code, extended, HID usage.
constexpr Row kRows[] = {
    {1, 27, 1, NoE0, 41},  // Esc
    {2, 49, 2, NoE0, 30},  // 1 ... 9, 0
    {3, 50, 3, NoE0, 31},
    {4, 51, 4, NoE0, 32},
    {5, 52, 5, NoE0, 33},
    {6, 53, 6, NoE0, 34},
    {7, 54, 7, NoE0, 35},
    {8, 55, 8, NoE0, 36},
    {9, 56, 9, NoE0, 37},
    {10, 57, 10, NoE0, 38},
    {11, 48, 11, NoE0, 39},
    {12, 189, 12, NoE0, 45},  // - _
    {13, 187, 13, NoE0, 46},  // = +
    {14, 8, 14, NoE0, 42},    // Backspace
    {15, 9, 15, NoE0, 43},    // Tab
    {16, 81, 16, NoE0, 20},   // Q W E R T Y U I O P
    {17, 87, 17, NoE0, 26},
    {18, 69, 18, NoE0, 8},
    {19, 82, 19, NoE0, 21},
    {20, 84, 20, NoE0, 23},
    {21, 89, 21, NoE0, 28},
    {22, 85, 22, NoE0, 24},
    {23, 73, 23, NoE0, 12},
    {24, 79, 24, NoE0, 18},
    {25, 80, 25, NoE0, 19},
    {26, 219, 26, NoE0, 47},   // [
    {27, 221, 27, NoE0, 48},   // ]
    {28, 13, 28, NoE0, 40},    // Enter
    {29, 162, 29, NoE0, 224},  // left Ctrl
    {30, 65, 30, NoE0, 4},     // A S D F G H J K L
    {31, 83, 31, NoE0, 22},
    {32, 68, 32, NoE0, 7},
    {33, 70, 33, NoE0, 9},
    {34, 71, 34, NoE0, 10},
    {35, 72, 35, NoE0, 11},
    {36, 74, 36, NoE0, 13},
    {37, 75, 37, NoE0, 14},
    {38, 76, 38, NoE0, 15},
    {39, 186, 39, NoE0, 51},   // ;
    {40, 222, 40, NoE0, 52},   // '
    {41, 192, 41, NoE0, 53},   // ` (Zenkaku/Hankaku on a Japanese board)
    {42, 160, 42, NoE0, 225},  // left Shift
    {43, 220, 43, NoE0, 49},   // \ (the ISO board's # key sends it too)
    {44, 90, 44, NoE0, 29},    // Z X C V B N M
    {45, 88, 45, NoE0, 27},
    {46, 67, 46, NoE0, 6},
    {47, 86, 47, NoE0, 25},
    {48, 66, 48, NoE0, 5},
    {49, 78, 49, NoE0, 17},
    {50, 77, 50, NoE0, 16},
    {51, 188, 51, NoE0, 54},   // ,
    {52, 190, 52, NoE0, 55},   // .
    {53, 191, 53, NoE0, 56},   // /
    {54, 161, 54, NoE0, 229},  // right Shift
    {55, 106, 55, NoE0, 85},   // pad *
    {56, 164, 56, NoE0, 226},  // left Alt
    {57, 32, 57, NoE0, 44},    // Space
    {58, 20, 58, NoE0, 57},    // Caps Lock
    {59, 112, 59, NoE0, 58},   // F1 ... F10
    {60, 113, 60, NoE0, 59},
    {61, 114, 61, NoE0, 60},
    {62, 115, 62, NoE0, 61},
    {63, 116, 63, NoE0, 62},
    {64, 117, 64, NoE0, 63},
    {65, 118, 65, NoE0, 64},
    {66, 119, 66, NoE0, 65},
    {67, 120, 67, NoE0, 66},
    {68, 121, 68, NoE0, 67},
    {69, 144, 69, E0, 83},    // Num Lock
    {70, 145, 70, NoE0, 71},  // Scroll Lock
    {71, 103, 71, NoE0, 95},  // pad 7 8 9 -
    {72, 104, 72, NoE0, 96},
    {73, 105, 73, NoE0, 97},
    {74, 109, 74, NoE0, 86},
    {75, 100, 75, NoE0, 92},  // pad 4 5 6 +
    {76, 101, 76, NoE0, 93},
    {77, 102, 77, NoE0, 94},
    {78, 107, 78, NoE0, 87},
    {79, 97, 79, NoE0, 89},  // pad 1 2 3 0 .
    {80, 98, 80, NoE0, 90},
    {81, 99, 81, NoE0, 91},
    {82, 96, 82, NoE0, 98},
    {83, 110, 83, NoE0, 99},
    {85, 192, 41, NoE0, 53},     // Zenkaku/Hankaku where it comes apart: the place of
                                 // `
    {86, 226, 86, NoE0, 100},    // the ISO key left of Z
    {87, 122, 87, NoE0, 68},     // F11
    {88, 123, 88, NoE0, 69},     // F12
    {89, 193, 115, NoE0, 135},   // Ro
    {92, 255, 121, NoE0, 138},   // Henkan
    {93, 255, 112, NoE0, 136},   // Katakana/Hiragana
    {94, 235, 123, NoE0, 139},   // Muhenkan
    {96, 13, 28, E0, 88},        // pad Enter
    {97, 163, 29, E0, 228},      // right Ctrl
    {98, 111, 53, E0, 84},       // pad /
    {99, 44, 55, E0, 70},        // Print Screen
    {100, 165, 56, E0, 230},     // right Alt
    {102, 36, 71, E0, 74},       // Home
    {103, 38, 72, E0, 82},       // Up
    {104, 33, 73, E0, 75},       // Page Up
    {105, 37, 75, E0, 80},       // Left
    {106, 39, 77, E0, 79},       // Right
    {107, 35, 79, E0, 77},       // End
    {108, 40, 80, E0, 81},       // Down
    {109, 34, 81, E0, 78},       // Page Down
    {110, 45, 82, E0, 73},       // Insert
    {111, 46, 83, E0, 76},       // Delete
    {119, 19, 69, NoE0, 72},     // Pause (E1 1D 45: no E0 bit)
    {124, 255, 125, NoE0, 137},  // Yen
    {125, 91, 91, E0, 227},      // left Windows
    {126, 92, 92, E0, 231},      // right Windows
    {127, 93, 93, E0, 101},      // Menu
};

constexpr int kCodes = 256;

constexpr std::array<int, kCodes> buildIndex()
{
    std::array<int, kCodes> index{};
    for (int &i : index)
        i = -1;
    for (int row = 0; row < int(sizeof(kRows) / sizeof(kRows[0])); ++row)
        index[kRows[row].linuxCode] = row;
    return index;
}

constexpr std::array<int, kCodes> kIndex = buildIndex();

}  // namespace

bool InputKeyTable::contains(int linuxCode)
{
    return linuxCode >= 0 && linuxCode < kCodes && kIndex[linuxCode] >= 0;
}

InputKey InputKeyTable::lookup(int linuxCode)
{
    if (!contains(linuxCode)) {
        static std::mutex mutex;  // a standard mutex, which race detectors see
        static QSet<int> logged;
        std::lock_guard<std::mutex> lock(mutex);
        if (!logged.contains(linuxCode)) {
            logged.insert(linuxCode);
            qCInfo(lcHook) << "Input hook: key code" << linuxCode << "is not in the key table";
        }
        return {};
    }
    const Row &row = kRows[kIndex[linuxCode]];
    return {row.virtualKey, row.scanCode, row.extended, row.hidUsage};
}

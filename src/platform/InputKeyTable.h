#pragma once
// What the program knows of a physical key, by its Linux key code (the X key code less 8):
// the virtual-key number the key pages and the key layouts' "qtDec" use, the PC set-1 make
// code with its extended (E0) bit, and the HID usage a keyboard reports for it.
//
// Keys are named by place, not by the symbol the desktop's layout gives them: a key has the
// virtual-key of the US layout's key at that place, so a recorded macro replays the keys that
// were pressed. Left and right modifiers stay apart (160-165), the number pad is always 96-111
// and its Enter is 13 with the extended bit. The Japanese keys that share a virtual-key (255)
// differ by scan code. US 104, ISO 105 and Japanese 109 boards are covered in full.

struct InputKey {
    int virtualKey = 0;  // 0: a key the table does not know
    int scanCode = 0;
    bool extended = false;
    int hidUsage = 0;
};

class InputKeyTable
{
public:
    // The key for a Linux key code; an unknown code gives virtual-key 0 with every other
    // field 0 and writes one log line per code for the whole run.
    static InputKey lookup(int linuxCode);
    // Whether the table has the code, without logging.
    static bool contains(int linuxCode);
};

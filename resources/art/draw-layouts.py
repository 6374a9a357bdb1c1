#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the key layout files of the keyboard families into ../configDir/.

Each family file is the layout of a keyboard: where each key sits in the model's picture
(660 x 240 pixels), its size, its code and caption, and the side light LEDs. Every model uses
its family's file (see the model table). Run by hand after a change (python3 draw-layouts.py).

Geometry: standard ANSI sizes in key units of 28 pixels, caps 4 pixels apart; the function row
half a unit above the number row, Esc one unit left of F1, the blocks a quarter unit apart; the
board centred in the picture with the side strip below the keys.

The on-screen keyboard's file has no dummies and no picture: its keys fill 700 x 150 pixels.

Columns follow the lighting cells of customLightDefaultConfig.xml: rows 1 to 6, 22 entries each,
a dummy entry where the model has no key.
"""
import os

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.normpath(os.path.join(HERE, "..", "configDir"))

UNIT = 28
GAP = 4
PICTURE_W, PICTURE_H = 660, 240
LED_W, LED_H, LED_GAP = 10, 6, 6

# (caption, HID usage, virtual key, x, width, height); None for a dummy entry.
def k(caption, dec, qt, x, w=1.0, h=1.0):
    return (caption, dec, qt, x, w, h)

D = None

FUNCTION = [k("Esc", 41, 27, 0), D] + \
    [k("F%d" % (i + 1), 58 + i, 112 + i, 2 + i) for i in range(4)] + \
    [k("F%d" % (i + 5), 62 + i, 116 + i, 6.5 + i) for i in range(4)] + \
    [k("F%d" % (i + 9), 66 + i, 120 + i, 11 + i) for i in range(4)] + \
    [D, k("PrtSc", 70, 44, 15.25), k("ScrLk", 71, 145, 16.25), k("Pause", 72, 19, 17.25)]

DIGITS = [k(str((i + 1) % 10), 30 + i, 48 + (i + 1) % 10, 1 + i) for i in range(10)]
NUMBER = [k("~", 53, 192, 0)] + DIGITS + [k("-", 45, 189, 11), k("=", 46, 187, 12), D,
          k("Backspace", 42, 8, 13, 2), k("Insert", 73, 45, 15.25), k("Home", 74, 36, 16.25),
          k("PgUp", 75, 33, 17.25)]
NUMBER_PAD = [k("Num Lock", 83, 144, 18.5), k("/", 84, 111, 19.5), k("*", 85, 106, 20.5),
              k("-", 86, 109, 21.5)]

QWERTY = "QWERTYUIOP"
USAGE = {c: 4 + ord(c) - ord("A") for c in "ABCDEFGHIJKLMNOPQRSTUVWXYZ"}
TOP = [k("Tab", 43, 9, 0, 1.5)] + [k(c, USAGE[c], ord(c), 1.5 + i) for i, c in enumerate(QWERTY)] + \
    [k("[", 47, 219, 11.5), k("]", 48, 221, 12.5), D, k('"|', 49, 220, 13.5, 1.5),
     k("Delete", 76, 46, 15.25), k("End", 77, 35, 16.25), k("PgDn", 78, 34, 17.25)]
TOP_PAD = [k("7", 95, 103, 18.5), k("8", 96, 104, 19.5), k("9", 97, 105, 20.5), k("+", 87, 107, 21.5, 1, 2)]

HOME = [k("Caps Lock", 57, 20, 0, 1.75), D] + \
    [k(c, USAGE[c], ord(c), 1.75 + i) for i, c in enumerate("ASDFGHJKL")] + \
    [k(";", 51, 186, 10.75), k("'", 52, 222, 11.75), D, k("Enter", 40, 999, 12.75, 2.25), D, D, D]
HOME_PAD = [k("4", 92, 100, 18.5), k("5", 93, 101, 19.5), k("6", 94, 102, 20.5), D]

SHIFT = [k("Shift", 225, 160, 0, 2.25), D] + \
    [k(c, USAGE[c], ord(c), 2.25 + i) for i, c in enumerate("ZXCVBNM")] + \
    [k(",", 54, 188, 9.25), k(".", 55, 190, 10.25), k("/", 56, 191, 11.25), D, D,
     k("Shift", 229, 161, 12.25, 2.75), D, k("Up", 82, 38, 16.25), D]
SHIFT_PAD = [k("1", 89, 97, 18.5), k("2", 90, 98, 19.5), k("3", 91, 99, 20.5), k("Enter", 88, 998, 21.5, 1, 2)]

BOTTOM = [k("Ctrl", 224, 162, 0, 1.25), k("Win", 227, 91, 1.25, 1.25), k("Alt", 226, 164, 2.5, 1.25), D, D, D,
          k("Space", 44, 32, 3.75, 6.25), D, D, D, k("Alt", 230, 165, 10, 1.25), k("Fn", -10, -1, 11.25, 1.25),
          k("Menu", 101, 93, 12.5, 1.25), D, k("Ctrl", 228, 163, 13.75, 1.25),
          k("Left", 80, 37, 15.25), k("Down", 81, 40, 16.25), k("Right", 79, 39, 17.25)]
BOTTOM_PAD = [k("0", 98, 96, 18.5, 2), D, k(".", 99, 110, 20.5), D]

# Row 7: the international keys, placed like dummies.
INTERNATIONAL = [("#~", 50, 220), ('"|', 100, 226), ("\\-", 135, 193), ("カタカナ/ひらかな", 136, 242),
                 ("￥|-", 137, 220), ("変換 ", 138, 28), ("無変換", 139, 29), ("한영", 144, 21), ("한자", 145, 25)]


def rows(full):
    pad = full
    out = [FUNCTION + [D] * 4,
           NUMBER + (NUMBER_PAD if pad else [D] * 4),
           TOP + (TOP_PAD if pad else [D] * 4),
           HOME + (HOME_PAD if pad else [D] * 4),
           SHIFT + (SHIFT_PAD if pad else [D] * 4),
           BOTTOM + (BOTTOM_PAD if pad else [D] * 4)]
    for r in out:
        assert len(r) == 22, len(r)
    return out


ROW_Y = [0, 1.5, 2.5, 3.5, 4.5, 5.5]


def js(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def key_line(x, y, w, h, dec, qt, caption):
    return ('{"PosX": %d, "PosY": %d, "Width": %d, "Height": %d, "Dec": %d, "qtDec": %d, "Character": %s }'
            % (x, y, w, h, dec, qt, js(caption)))


DUMMY = '{"PosX": -1, "PosY": -1, "Width": 00, "Height": 00, "Dec": 00, "qtDec": 00, "Character": "-"}'


def layout(full, leds):
    width_u = 22.5 if full else 18.25
    board_w = round(width_u * UNIT)
    keys_h = round(6.5 * UNIT)
    board_h = keys_h + (LED_GAP + LED_H if leds else 0)
    x0 = (PICTURE_W - board_w) // 2
    y0 = (PICTURE_H - board_h) // 2
    nl = "\r\n"
    lines = ["{",
             '\t"Keyboard":\t{',
             '\t\t"KeyboardIntroduction":\t"%dKey%s",' % (104 if full else 87, "Side" if leds else ""),
             '\t\t"sideLightHave":\t%d,' % (1 if leds else 0),
             '\t\t"supportOnboard":\t1,',
             '\t\t"specialEnterKey":\t0,',
             '\t\t"showOnboardSelect":\t1,',
             '\t\t"specialEnterKeyShape":\t0,',
             '\t\t"sideLightNum":\t%d,' % leds,
             '\t\t"flag":\t"true"',
             "\t},"]
    if leds:
        pitch = board_w / leds
        entries = []
        for i in range(leds):
            x = x0 + round(i * pitch + (pitch - LED_W) / 2)
            y = y0 + keys_h + LED_GAP
            entries.append('\t\t{"PosX": %d, "PosY": %d, "Width": %d, "Height": %d, "Index": %d, "validStatus": 1, '
                           '"SidePosition": 0, "Mark": "bottom", "isDrawRounded": 1 }' % (x, y, LED_W, LED_H, i))
        lines.append('\t"EveryKeyInfo_Row00":\t[')
        lines.append(",\r\n".join(entries))
        lines.append("\t],")
    for r, row in enumerate(rows(full)):
        entries = []
        for entry in row:
            if entry is None:
                entries.append("\t\t" + DUMMY)
                continue
            caption, dec, qt, xu, wu, hu = entry
            x = x0 + round(xu * UNIT) + GAP // 2
            y = y0 + round(ROW_Y[r] * UNIT) + GAP // 2
            entries.append("\t\t" + key_line(x, y, round(wu * UNIT) - GAP, round(hu * UNIT) - GAP, dec, qt, caption))
        lines.append('\t"EveryKeyInfo_Row0%d":\t[' % (r + 1))
        lines.append(",\r\n".join(entries))
        lines.append("\t],")
    lines.append('\t"EveryKeyInfo_Row07":\t[')
    lines.append(",\r\n".join("\t\t" + key_line(-1, -1, 0, 0, dec, qt, caption) for caption, dec, qt in INTERNATIONAL))
    lines.append("\t]")
    lines.append("}")
    return nl.join(lines) + nl


FAMILIES = {"87": (False, 0), "87S": (False, 41), "104": (True, 0), "104S": (True, 49)}

# The on-screen keyboard, "softKeyInfoNormalUS.config": a full US keyboard without Fn and without
# the right Windows key, no dummies, the same ANSI geometry scaled into SOFT_W x SOFT_H.
SOFT_W, SOFT_H = 700, 150
SOFT_GAP = 2
SOFT_BOTTOM = [k("Ctrl", 224, 162, 0, 1.25), k("Win", 227, 91, 1.25, 1.25), k("Alt", 226, 164, 2.5, 1.25),
               k("Space", 44, 32, 3.75, 6.25), k("Alt", 230, 165, 10, 5 / 3), k("Menu", 101, 93, 10 + 5 / 3, 5 / 3),
               k("Ctrl", 228, 163, 10 + 10 / 3, 5 / 3),
               k("Left", 80, 37, 15.25), k("Down", 81, 40, 16.25), k("Right", 79, 39, 17.25)]


def soft_layout():
    sx = SOFT_W / 22.5
    sy = SOFT_H / 6.5
    full = rows(True)
    full[5] = SOFT_BOTTOM + BOTTOM_PAD
    nl = "\r\n"
    lines = ["{",
             '\t"Keyboard":\t{',
             '\t\t"KeyboardIntroduction":\t"SoftKeyboardUS",',
             '\t\t"sideLightHave":\t0,',
             '\t\t"flag":\t"true"',
             "\t},"]
    for r, row in enumerate(full):
        entries = []
        for entry in row:
            if entry is None:
                continue
            caption, dec, qt, xu, wu, hu = entry
            x = round(xu * sx) + SOFT_GAP // 2
            y = round(ROW_Y[r] * sy) + SOFT_GAP // 2
            w = round((xu + wu) * sx) - round(xu * sx) - SOFT_GAP
            h = round((ROW_Y[r] + hu) * sy) - round(ROW_Y[r] * sy) - SOFT_GAP
            entries.append("\t\t" + key_line(x, y, w, h, dec, qt, caption))
        lines.append('\t"EveryKeyInfo_Row0%d":\t[' % (r + 1))
        lines.append(",\r\n".join(entries))
        lines.append("\t]," if r < 5 else "\t]")
    lines.append("}")
    return nl.join(lines) + nl


def main():
    for name, (full, leds) in FAMILIES.items():
        with open(os.path.join(OUT, "KeyLayout_%s.config" % name), "w", encoding="utf-8", newline="") as f:
            f.write(layout(full, leds))
    with open(os.path.join(OUT, "softKeyInfoNormalUS.config"), "w", encoding="utf-8", newline="") as f:
        f.write(soft_layout())


if __name__ == "__main__":
    main()

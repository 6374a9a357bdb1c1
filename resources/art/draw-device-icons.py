#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the vector sources of the device page's icons into svg/ (run by hand after a change:
python3 draw-device-icons.py).

Same flat style as draw-svg.py: an 18-unit grid, round strokes, a soft shadow under the normal
("Def") glyph in neutral grey, and the selected ("Sel") glyph in the accent red.
"""
import os

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "svg")

GLYPH = "#9b9ea3"
ACCENT = "#ff3135"
TRACK_OFF = "#5a5d63"


def write(name, text):
    path = os.path.join(OUT, name)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w") as f:
        f.write(text)


def svg(body, w=18, h=18):
    return (f'<?xml version="1.0" encoding="UTF-8"?>\n'
            f'<svg xmlns="http://www.w3.org/2000/svg" width="{w}" height="{h}" viewBox="0 0 {w} {h}">\n'
            f'{body}</svg>\n')


def strokes(d, colour, width=1.6, fill="none"):
    return (f'<path d="{d}" fill="{fill}" stroke="{colour}" stroke-width="{width}" '
            f'stroke-linecap="round" stroke-linejoin="round"/>\n')


def glyph(parts, colour, shadow):
    body = ""
    if shadow:
        body += '<g opacity="0.28">\n'
        for d, fill in parts:
            body += strokes(d, "#000000", 3.4, "#000000" if fill else "none")
        body += "</g>\n"
    for d, fill in parts:
        body += strokes(d, colour, 1.6, colour if fill else "none")
    return body


def circle(cx, cy, r):
    return f"M{cx - r} {cy} A{r} {r} 0 1 0 {cx + r} {cy} A{r} {r} 0 1 0 {cx - r} {cy} Z"


# Each glyph: a list of (path, filled).
GLYPHS = {
    # key operations
    "device/default": [("M4.5 9 A4.5 4.5 0 1 0 6 5.6", False), ("M3.8 3.4 L6 5.6 L3.6 6.9", False)],
    "device/macro": [("M3 14 L3 4 L9 10 L15 4 L15 14", False)],
    "device/RemapKey": [("M2.5 4.5 H8 V10 H2.5 Z", False), ("M10 8 H15.5 V13.5 H10 Z", False),
                        ("M5.2 12.5 Q5.2 15.5 9 15.5", False), ("M12.8 5.5 Q12.8 2.5 9 2.5", False)],
    "device/mouse": [("M9 2.5 C5 2.5 4.5 5.5 4.5 9 C4.5 13 6.5 15.5 9 15.5 C11.5 15.5 13.5 13 13.5 9 "
                      "C13.5 5.5 13 2.5 9 2.5 Z", False), ("M9 2.5 V7", False)],
    "device/text": [("M3.5 3.5 H14.5", False), ("M9 3.5 V14.5", False), ("M6.5 14.5 H11.5", False)],
    "device/disable": [(circle(9, 9, 6.2), False), ("M4.6 4.6 L13.4 13.4", False)],
    "device/multimedia": [("M7 13.5 V4 L14 2.8 V12", False), (circle(5.3, 13.5, 1.7), True),
                          (circle(12.3, 12, 1.7), True)],
    "device/combinationKey": [("M2 5.5 H7.5 V11 H2 Z", False), ("M10.5 7 H16 V12.5 H10.5 Z", False),
                              ("M9 13 V16 M7.5 14.5 H10.5", False)],
    "device/openApp": [("M2.5 4 H15.5 V14 H2.5 Z", False), ("M2.5 6.5 H15.5", False),
                       ("M7 11.5 L11 8.5 M8.5 8.5 H11 V11", False)],
    "device/Shortcuts": [("M10 2.5 L4.5 10 H9 L8 15.5 L13.5 8 H9 Z", False)],
    "device/SwitchProfile": [("M3 6 H14 M11.5 3.5 L14 6 L11.5 8.5", False),
                             ("M15 12 H4 M6.5 9.5 L4 12 L6.5 14.5", False)],
    # effects
    "deviceLed/Static": [(circle(9, 9, 4.5), True)],
    "deviceLed/Neon": [("M2.5 14 A6.5 6.5 0 0 1 15.5 14", False), ("M5.5 14 A3.5 3.5 0 0 1 12.5 14", False)],
    "deviceLed/Breath": [(circle(9, 9, 2.3), True), (circle(9, 9, 6), False)],
    "deviceLed/Wave": [("M2 9 C4 4 6 4 7.5 9 C9 14 11 14 12.5 9 C14 4 15.5 5 16 6.5", False)],
    "deviceLed/Twinkle": [("M9 2.5 L10.6 7.4 L15.5 9 L10.6 10.6 L9 15.5 L7.4 10.6 L2.5 9 L7.4 7.4 Z", False)],
    "deviceLed/Snack": [("M2.5 13.5 H6.5 V9 H11 V4.5 H15.5", False), (circle(15.5, 4.5, 0.9), True)],
    "deviceLed/Radar": [(circle(9, 9, 6.3), False), ("M9 9 L13.5 4.5", False), (circle(9, 9, 1), True)],
    "deviceLed/Aurora": [("M2 7 C5 3.5 8 10 11 6.5 C13 4 15 5 16 6", False),
                         ("M2 12 C5 8.5 8 15 11 11.5 C13 9 15 10 16 11", False)],
    "deviceLed/Ripple": [(circle(9, 9, 1.3), True), (circle(9, 9, 4), False), (circle(9, 9, 7), False)],
    "deviceLed/SpeedRespond": [("M3.5 4 L8.5 9 L3.5 14", False), ("M9.5 4 L14.5 9 L9.5 14", False)],
    "deviceLed/Reactive": [("M6 7 H12 V13 H6 Z", False), ("M9 2.5 V4.5 M3.5 4 L5 5.5 M14.5 4 L13 5.5", False)],
    "deviceLed/CustomLed": [("M3 3 H8 V8 H3 Z", False), ("M10 3 H15 V8 H10 Z", True), ("M3 10 H8 V15 H3 Z", True),
                            ("M10 10 H15 V15 H10 Z", False)],
    "deviceLed/Cross": [("M9 2.5 V15.5 M2.5 9 H15.5", False), (circle(9, 9, 2), True)],
    "deviceLed/Dpi": [(circle(9, 9, 5.2), False), ("M9 1.8 V5 M9 13 V16.2 M1.8 9 H5 M13 9 H16.2", False)],
    "deviceLed/MusicalRhythm": [("M3.5 15 V10 M7 15 V4 M10.5 15 V7 M14 15 V11.5", False)],
    "deviceLed/AutoRipple": [(circle(9, 9, 1.3), True), (circle(9, 9, 4.5), False),
                             ("M13.5 3 A7.5 7.5 0 0 1 16 8.5 M16 5.5 V8.5 H13", False)],
    "deviceLed/Striation": [("M2.5 8 L8 2.5 M2.5 13 L13 2.5 M5 15.5 L15.5 5 M10 15.5 L15.5 10", False)],
    "deviceLed/Fireworks": [("M9 2 V5.5 M9 12.5 V16 M2 9 H5.5 M12.5 9 H16 M4 4 L6.5 6.5 M11.5 11.5 L14 14 "
                             "M14 4 L11.5 6.5 M6.5 11.5 L4 14", False), (circle(9, 9, 1.2), True)],
    "deviceLed/Collision": [("M2 9 H7 M4.8 6.5 L7.3 9 L4.8 11.5", False), ("M16 9 H11 M13.2 6.5 L10.7 9 L13.2 11.5", False)],
    # the mode rail
    "customMade": [("M3 5 H15 V13 H3 Z", False), ("M5.5 7.5 H6 M8.75 7.5 H9.25 M12 7.5 H12.5 M6 10.5 H12", False)],
    "led": [("M6.3 11.5 C4.5 10.2 4 8.7 4 7.5 A5 5 0 0 1 14 7.5 C14 8.7 13.5 10.2 11.7 11.5 V13 H6.3 Z", False),
            ("M7 15.5 H11", False)],
    "capability": [("M2.8 13 A6.5 6.5 0 1 1 15.2 13", False), ("M9 11.5 L12 6.5", False), (circle(9, 11.5, 1), True)],
    # list and profile buttons
    "macro/download": [("M9 3 V11 M5.8 8 L9 11.2 L12.2 8", False), ("M3 12.5 V15 H15 V12.5", False)],
    "macro/add": [("M9 3.5 V14.5 M3.5 9 H14.5", False)],
    "macro/sure": [("M3.5 9.5 L7.5 13.5 L14.5 4.5", False)],
    "macro/cancel": [("M4.5 4.5 L13.5 13.5 M13.5 4.5 L4.5 13.5", False)],
    # the macro page's buttons
    "macro/clearMacro": [("M4 5 H14 M7.5 5 V3.5 H10.5 V5", False), ("M5.5 7 L6.2 15 H11.8 L12.5 7", False)],
    "macro/moveUp": [("M9 15 V3.5 M4.5 8 L9 3.5 L13.5 8", False)],
    "macro/moveDown": [("M9 3 V14.5 M4.5 10 L9 14.5 L13.5 10", False)],
    "macro/time": [(circle(9, 9, 6.5), False), ("M9 5 V9 L11.8 10.8", False)],
    "macro/record": [(circle(9, 9, 6.5), False), (circle(9, 9, 3), True)],
    "publicIco/dian": [(circle(4, 9, 1.1), True), (circle(9, 9, 1.1), True), (circle(14, 9, 1.1), True)],
}

# The event rows' icons, each in the one state the rows show.
ROW_ICONS = {
    "macro/keyboardSel": ([("M2 5 H16 V13 H2 Z", False), ("M4.5 7.5 H5 M7.2 7.5 H7.7 M10.3 7.5 H10.8 M13 7.5 H13.5 "
                                                          "M5.5 10.5 H12.5", False)], ACCENT),
    "macro/mouseSel": (GLYPHS["device/mouse"], ACCENT),
    "macro/keyDownSel": ([("M9 3 V14 M5 10 L9 14 L13 10", False)], ACCENT),
    "macro/keyUpDef": ([("M9 15 V4 M5 8 L9 4 L13 8", False)], GLYPH),
}

# Device kinds in the device list.
DEVICE_KINDS = {
    "softKeyboardDef": [("M2 6 H16 V13 H2 Z", False), ("M4.5 8.5 H5 M7.2 8.5 H7.7 M10.3 8.5 H10.8 M13 8.5 H13.5 "
                                                      "M5.5 11 H12.5", False)],
    "MouseDef": GLYPHS["device/mouse"],
}


def main():
    for name, parts in GLYPHS.items():
        write(f"{name}Def.svg", svg(glyph(parts, GLYPH, True)))
        write(f"{name}Sel.svg", svg(glyph(parts, ACCENT, False)))
    for name, (parts, colour) in ROW_ICONS.items():
        write(f"{name}.svg", svg(glyph(parts, colour, colour == GLYPH)))
    for name, parts in DEVICE_KINDS.items():
        write(f"{name}.svg", svg(glyph(parts, GLYPH, True)))
    # The explanation button: a question mark in a ring.
    write("publicIco/question.svg", svg(glyph([(circle(9, 9, 7), False),
                                               ("M6.8 7 A2.2 2.2 0 1 1 9 9.2 V10.6", False),
                                               (circle(9, 13.2, 0.5), True)], GLYPH, False)))
    # The lighting switch: a track with its knob right (on, accent) or left (off, grey).
    write("deviceLed/ledOn.svg", svg(
        f'<rect x="1" y="1" width="43" height="24" rx="12" fill="{ACCENT}"/>\n'
        '<circle cx="32" cy="13" r="9.5" fill="#ffffff"/>\n', 45, 26))
    write("deviceLed/ledOff.svg", svg(
        f'<rect x="1" y="1" width="43" height="24" rx="12" fill="{TRACK_OFF}"/>\n'
        f'<circle cx="13" cy="13" r="9.5" fill="{GLYPH}"/>\n', 45, 26))


if __name__ == "__main__":
    main()

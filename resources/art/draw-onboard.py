#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the on-board editor's files of every keyboard model into ../onboard/, and ../onboard.qrc.

For each model: "KeyInfo_<model>.config", the key layout of the on-board keyboard view, and the
three layout templates "<model>_DefQWERTY.xml", "<model>_DefMac.xml" and "<model>_DefDvorak.xml".
The program reads them as ":/images/configDir/onboardDeviceConfig/<name>". Run by hand after a
change (python3 draw-onboard.py).

Layout: rows 1 to 6 with the same 22 columns per row as the model's PC layout (draw-layouts.py), so
a position is the same key in both; the keys are scaled into the model's on-board page with a
2-pixel margin. The model with its own FN1 key has it (code 251) where the others have Fn.

Templates: profile files with two configurations (the second a copy of the first); the first holds
one key record per layout position, row by row: each key sends its own usage (QWERTY), with the Alt
and Windows keys swapped on both sides (Mac), or the character the ANSI Dvorak arrangement puts
there, as typed by a host set to US QWERTY (Dvorak). Empty positions get the placeholder record.
"""
import importlib.util
import os
from xml.sax.saxutils import quoteattr

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.normpath(os.path.join(HERE, "..", "onboard"))
QRC = os.path.normpath(os.path.join(HERE, "..", "onboard.qrc"))

_spec = importlib.util.spec_from_file_location("draw_layouts", os.path.join(HERE, "draw-layouts.py"))
layouts = importlib.util.module_from_spec(_spec)
_spec.loader.exec_module(layouts)

# model: (full keyboard, page width, page height, own FN1 key); as the model table has them.
MODELS = {
    "ZK87A": (False, 587, 210, False), "ZK87B": (False, 587, 210, False), "ZK87C": (False, 587, 210, False),
    "ZK87R": (False, 587, 210, True), "ZK87S": (False, 587, 210, False), "ZK87W": (False, 587, 210, False),
    "ZK104A": (True, 700, 210, False), "ZK104B": (True, 700, 210, False), "ZK104C": (True, 700, 210, False),
    "ZK104R": (True, 700, 210, False), "ZK104S": (True, 700, 210, False), "ZK104W": (True, 700, 210, False),
}
MARGIN = 2
FN, FN1, FN1_VALUE = -10, 251, -20

MAC_SWAP = {226: 227, 227: 226, 230: 231, 231: 230}
# QWERTY position (usage) -> usage sent, for the ANSI Dvorak arrangement.
DVORAK = {
    45: 47, 46: 48,  # - and = give [ and ]
    20: 52, 26: 54, 8: 55, 21: 19, 23: 28, 28: 9, 24: 10, 12: 6, 18: 21, 19: 15, 47: 56, 48: 46,
    4: 4, 22: 18, 7: 8, 9: 24, 10: 12, 11: 7, 13: 11, 14: 23, 15: 17, 51: 22, 52: 45,
    29: 51, 27: 20, 6: 13, 25: 14, 5: 27, 17: 5, 16: 16, 54: 26, 55: 25, 56: 29,
}
TEMPLATES = [("QWERTY", 1, {}), ("Mac", 2, MAC_SWAP), ("Dvorak", 3, DVORAK)]


def positions(model):
    """The model's 132 positions: None for an empty one, else (caption, code, x, y, w, h) in page pixels."""
    full, page_w, page_h, own_fn1 = MODELS[model]
    unit, gap = layouts.UNIT, layouts.GAP
    board_w = (22.5 if full else 18.25) * unit
    board_h = 6.5 * unit
    scale = min((page_w - 2 * MARGIN) / board_w, (page_h - 2 * MARGIN) / board_h)
    x0 = MARGIN + ((page_w - 2 * MARGIN) - board_w * scale) / 2
    y0 = MARGIN + ((page_h - 2 * MARGIN) - board_h * scale) / 2
    out = []
    for r, row in enumerate(layouts.rows(full)):
        for entry in row:
            if entry is None:
                out.append(None)
                continue
            caption, dec, _qt, xu, wu, hu = entry
            left = xu * unit + gap / 2
            top = layouts.ROW_Y[r] * unit + gap / 2
            x = round(x0 + left * scale)
            y = round(y0 + top * scale)
            w = round(x0 + (left + wu * unit - gap) * scale) - x
            h = round(y0 + (top + hu * unit - gap) * scale) - y
            if dec == FN and own_fn1:
                caption, dec = "FN1", FN1
            out.append((caption, dec, x, y, w, h))
    return out


def layout_file(model):
    nl = "\r\n"
    lines = ["{", '\t"Keyboard":\t{', '\t\t"KeyboardIntroduction":\t"%sOnboard",' % model,
             '\t\t"specialEnterKey":\t0,', '\t\t"specialEnterKeyShape":\t0,', '\t\t"flag":\t"true"', "\t},"]
    pos = positions(model)
    for r in range(6):
        entries = []
        for entry in pos[r * 22:(r + 1) * 22]:
            if entry is None:
                entries.append("\t\t" + layouts.DUMMY)
                continue
            caption, dec, x, y, w, h = entry
            entries.append("\t\t" + layouts.key_line(x, y, w, h, dec, 0, caption))
        lines.append('\t"EveryKeyInfo_Row0%d":\t[' % (r + 1))
        lines.append(",\r\n".join(entries))
        lines.append("\t]" + ("," if r < 5 else ""))
    lines.append("}")
    return nl.join(lines) + nl


def item(code, caption, kind, value):
    return ('<item keyCode="%d" keyChar=%s operateType="%d" repeatNum="1" mode="1" Value="%d" />'
            % (code, quoteattr(caption), kind, value))


def config(model, index, name, swap):
    lines = ['    <config index="%d" name="%s" proFileAppName="" proFileAppIco="">' % (index, name),
             '        <light0 usingIndex="2" ledOpenOrClose="0" SynchronizeStatus="0" />',
             '        <light1 usingIndex="2" />', '        <light2 usingIndex="2" />',
             "        <customColor />", "        <customLight />", "        <ribbon />", "        <onboardBinding />",
             "        <macro>"]
    pos = positions(model)
    for r in range(6):
        lines.append("            <!--%d Line-->" % (r + 1))
        for entry in pos[r * 22:(r + 1) * 22]:
            if entry is None:
                lines.append("            " + item(-1, "-", -1, 0))
                continue
            caption, dec = entry[0], entry[1]
            if dec == FN:
                lines.append("            " + item(FN, "Fn", 0, FN))
            elif dec == FN1:
                lines.append("            " + item(FN1, "FN1", 0, FN1_VALUE))
            else:
                lines.append("            " + item(dec, caption, 0, swap.get(dec, dec)))
    lines += ["        </macro>", "        <dpi />", "        <function>",
              '            <Setting feature1="0" feature2="0" feature3="0" feature4="1" />', "        </function>",
              "        <bindMacro />", "    </config>"]
    return lines


def template_file(model, name, first, swap):
    lines = ['<?xml version="1.0" encoding="UTF-8" ?>', '<Parameters profileIndex="%d">' % first]
    lines += config(model, first, "Profile_" + name, swap)
    lines += config(model, first + 1, "Profile_" + name, swap)
    lines.append("</Parameters>")
    return "\n".join(lines) + "\n"


def main():
    os.makedirs(OUT, exist_ok=True)
    names = []
    for model in MODELS:
        files = {"KeyInfo_%s.config" % model: layout_file(model)}
        for name, first, swap in TEMPLATES:
            files["%s_Def%s.xml" % (model, name)] = template_file(model, name, first, swap)
        for file_name, text in files.items():
            with open(os.path.join(OUT, file_name), "w", encoding="utf-8", newline="") as f:
                f.write(text)
            names.append(file_name)
    with open(QRC, "w", encoding="utf-8") as f:
        f.write('<!DOCTYPE RCC>\n<RCC version="1.0">\n<qresource prefix="/images">\n')
        for file_name in names:
            f.write('    <file alias="configDir/onboardDeviceConfig/%s">onboard/%s</file>\n' % (file_name, file_name))
        f.write("</qresource>\n</RCC>\n")


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the vector sources of the program's pictures into svg/.

The SVG files are the sources the build renders; this script is how they were drawn and is run
by hand after a change of style (python3 draw-svg.py). The keyboards are drawn from their key
layouts by RenderKeyboard.cpp, in the same palette. One flat style for the whole set: neutral
greys that read on the dark and on the light themes.
"""
import os
import random
import re

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "svg")

# Palette
BODY = "#4b4e54"       # keyboard and mouse bodies
BODY_EDGE = "#383a3f"
KEY = "#8e9299"        # key caps
KEY_MOD = "#74787f"    # modifier and function keys
KEY_TOP = "#a3a7ad"    # the lighter top face of a cap
STRIP = "#e9ecef"      # the side light strip
ICON_TILE = "#44474d"  # link icon tiles
ICON_GLYPH = "#d2d4d7"
GLYPH = "#9b9ea3"      # window buttons, normal
GLYPH_SEL_BG = "#6b6e74"
CLOSE_SEL_BG = "#e5484d"
WHITE = "#ffffff"


def svg(width, height, body, view=None):
    view = view or f"0 0 {width} {height}"
    return (f'<?xml version="1.0" encoding="UTF-8"?>\n'
            f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" '
            f'viewBox="{view}">\n{body}</svg>\n')


def fmt(v):
    return f"{v:.2f}".rstrip("0").rstrip(".")


def write(name, text):
    path = os.path.join(OUT, name)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w") as f:
        f.write(text)


# ---------------------------------------------------------------- mouse
def mouse_svg():
    # 100 x 180, the proportions both mouse pages show it at (100 x 180 and 120 x 216). The parts
    # sit where the mouse definition points: the buttons at (25, 30) and (75, 30), the wheel at
    # (50, 40), the DPI key at (50, 80), the side keys at the edges between y 75 and 100, the logo
    # at (50, 131) and the light ring along the lower edge.
    out = []
    body = ("M50 2 C22 2 8 14 6 40 L3 110 C2 150 22 178 50 178 C78 178 98 150 97 110 L94 40 "
            "C92 14 78 2 50 2 Z")
    out.append(f'<path d="{body}" fill="{BODY_EDGE}"/>\n')
    inner = ("M50 5 C24 5 11 16 9 40 L6 110 C5 148 24 175 50 175 C76 175 95 148 94 110 L91 40 "
             "C89 16 76 5 50 5 Z")
    out.append(f'<path d="{inner}" fill="{BODY}"/>\n')
    out.append(f'<path d="M48.5 7 C27 7 13 17 11 40 L10 62 L48.5 62 Z" fill="{KEY_MOD}"/>\n')
    out.append(f'<path d="M51.5 7 C73 7 87 17 89 40 L90 62 L51.5 62 Z" fill="{KEY_MOD}"/>\n')
    out.append(f'<rect x="45" y="24" width="10" height="30" rx="5" fill="{KEY_TOP}"/>\n')
    out.append(f'<rect x="44" y="72" width="12" height="16" rx="3" fill="{KEY}"/>\n')
    for x, y in ((2, 70), (2, 90), (91, 67), (91, 87)):
        out.append(f'<rect x="{x}" y="{y}" width="7" height="15" rx="2.5" fill="{KEY}"/>\n')
    out.append(f'<path d="M50 123 L58 131 L50 139 L42 131 Z" fill="none" stroke="{KEY_TOP}" stroke-width="2"/>\n')
    out.append(f'<path d="M7 118 C8 150 26 172 50 172 C74 172 92 150 93 118" fill="none" stroke="{STRIP}" '
               'stroke-width="2.5" stroke-linecap="round" stroke-opacity="0.8"/>\n')
    return svg(100, 180, "".join(out))


def mouse_zone_icon(zone, selected):
    # 22 x 22: a small mouse outline with its lit zone (Around, Scroll or Logo) drawn bright;
    # white on a grey disc while checked.
    colour = WHITE if selected else GLYPH
    body = f'<circle cx="11" cy="11" r="11" fill="{GLYPH_SEL_BG}"/>\n' if selected else ""
    body += (f'<path d="M11 3 C7 3 5.5 5.5 5.5 9 L5.5 13.5 C5.5 17 7.5 19 11 19 C14.5 19 16.5 17 16.5 13.5 '
             f'L16.5 9 C16.5 5.5 15 3 11 3 Z" fill="none" stroke="{colour}" stroke-width="1.2"/>\n')
    if zone == "Around":
        body += (f'<path d="M6.3 13 C6.5 16.5 8.3 18.2 11 18.2 C13.7 18.2 15.5 16.5 15.7 13" fill="none" '
                 f'stroke="{colour}" stroke-width="2" stroke-linecap="round"/>\n')
    elif zone == "Scroll":
        body += f'<rect x="9.8" y="5" width="2.4" height="5" rx="1.2" fill="{colour}"/>\n'
    else:
        body += f'<path d="M11 11 L13.2 13.2 L11 15.4 L8.8 13.2 Z" fill="{colour}"/>\n'
    return svg(22, 22, body)


def link_icon(selected):
    # 25 x 16: two chain links, joined while linked.
    colour = WHITE if selected else GLYPH
    body = (f'<rect x="2.5" y="4.5" width="10" height="7" rx="3.5" fill="none" stroke="{colour}" stroke-width="1.5"/>\n'
            f'<rect x="12.5" y="4.5" width="10" height="7" rx="3.5" fill="none" stroke="{colour}" stroke-width="1.5"/>\n')
    if selected:
        body += f'<line x1="8" y1="8" x2="17" y2="8" stroke="{colour}" stroke-width="1.5" stroke-linecap="round"/>\n'
    return svg(25, 16, body)


# ---------------------------------------------------------------- logo and word mark
# Strokes of the letters Z E L K A on a 10 x 14 cell.
LETTERS = {
    "Z": ["M0 0 L10 0 L0 14 L10 14"],
    "E": ["M10 0 L0 0 L0 14 L10 14", "M0 7 L8 7"],
    "L": ["M0 0 L0 14 L10 14"],
    "K": ["M0 0 L0 14", "M10 0 L1.5 7.5 L10 14"],
    "A": ["M0 14 L5 0 L10 14", "M2.2 9 L7.8 9"],
}


def mark(x, y, size, square, glyph, outline=None):
    """The program's mark: a Z in a rounded square."""
    s = size / 30.0
    out = []
    if square:
        out.append(f'<rect x="{fmt(x + 1 * s)}" y="{fmt(y + 1 * s)}" width="{fmt(28 * s)}" height="{fmt(28 * s)}" '
                   f'rx="{fmt(6 * s)}" fill="{square}"/>\n')
    if outline:
        out.append(f'<rect x="{fmt(x + 2 * s)}" y="{fmt(y + 2 * s)}" width="{fmt(26 * s)}" height="{fmt(26 * s)}" '
                   f'rx="{fmt(6 * s)}" fill="none" stroke="{outline}" stroke-width="{fmt(2 * s)}"/>\n')
    z = (f"M{fmt(x + 8 * s)} {fmt(y + 8.5 * s)} L{fmt(x + 22 * s)} {fmt(y + 8.5 * s)} "
         f"L{fmt(x + 8 * s)} {fmt(y + 21.5 * s)} L{fmt(x + 22 * s)} {fmt(y + 21.5 * s)}")
    out.append(f'<path d="{z}" fill="none" stroke="{glyph}" stroke-width="{fmt(3.2 * s)}" '
               'stroke-linecap="round" stroke-linejoin="round"/>\n')
    return "".join(out)


def word(x, y, text, colour, scale=1.0, stroke=2.4):
    out = []
    for i, ch in enumerate(text):
        ox = x + i * 15 * scale
        for d in LETTERS[ch]:
            parts = d.replace("M", " M ").replace("L", " L ").split()
            pts = []
            j = 0
            while j < len(parts):
                cmd = parts[j]
                px, py = float(parts[j + 1]), float(parts[j + 2])
                pts.append(f"{cmd}{fmt(ox + px * scale)} {fmt(y + py * scale)}")
                j += 3
            out.append(f'<path d="{" ".join(pts)}" fill="none" stroke="{colour}" stroke-width="{stroke}" '
                       'stroke-linecap="round" stroke-linejoin="round"/>\n')
    return "".join(out)


def app_logo():
    return svg(30, 30, mark(0, 0, 30, "#3c3f44", "#f0f0f0"))


def wide_logo():
    # Colours are the ones the build swaps per theme: #ff3135 the accent, #cdcdcd the text.
    body = mark(2, 1, 28, None, "#ff3135", outline="#cdcdcd") + word(42, 8, "ZELKA", "#cdcdcd")
    return svg(200, 30, body)


# ---------------------------------------------------------------- window buttons
def window_glyph(kind, colour):
    c = colour
    if kind == "minWindow":
        return f'<path d="M5 9 L13 9" stroke="{c}" stroke-width="1.6" stroke-linecap="round"/>\n'
    if kind == "maxWindow":
        return f'<rect x="5" y="5" width="8" height="8" rx="1" fill="none" stroke="{c}" stroke-width="1.5"/>\n'
    if kind == "intoMaxWindow":
        return (f'<path d="M7 5 L13 5 L13 11" fill="none" stroke="{c}" stroke-width="1.4" stroke-linejoin="round"/>\n'
                f'<rect x="5" y="7" width="6" height="6" rx="0.8" fill="none" stroke="{c}" stroke-width="1.4"/>\n')
    if kind == "closeWindow":
        return f'<path d="M5.5 5.5 L12.5 12.5 M12.5 5.5 L5.5 12.5" stroke="{c}" stroke-width="1.6" stroke-linecap="round"/>\n'
    if kind == "setting":
        import math
        pts = []
        teeth = 8
        for i in range(teeth * 2):
            a = math.pi * 2 * i / (teeth * 2)
            r = 5.6 if i % 2 == 0 else 4.3
            for da in (-0.17, 0.17):
                pts.append((9 + r * math.cos(a + da), 9 + r * math.sin(a + da)))
        d = "M" + " L".join(f"{fmt(px)} {fmt(py)}" for px, py in pts) + " Z"
        return (f'<path d="{d}" fill="{c}"/>\n'
                f'<circle cx="9" cy="9" r="2" fill="{{HOLE}}"/>\n')
    raise ValueError(kind)


def window_button(kind, selected):
    body = ""
    hole = "none"
    if selected:
        bg = CLOSE_SEL_BG if kind == "closeWindow" else GLYPH_SEL_BG
        body += f'<circle cx="9" cy="9" r="9" fill="{bg}"/>\n'
        glyph = window_glyph(kind, WHITE)
        hole = bg
    else:
        glyph = window_glyph(kind, GLYPH)
        # A soft dark edge under the glyph keeps it readable on light and coloured title bars.
        halo = window_glyph(kind, "#000000")
        halo = re.sub(r'stroke-width="([\d.]+)"', lambda m: 'stroke-width="%s"' % fmt(float(m.group(1)) + 1.8), halo)
        halo = halo.replace('fill="#000000"/>', 'fill="#000000" stroke="#000000" stroke-width="1.8" stroke-linejoin="round"/>')
        halo = halo.replace('<circle cx="9" cy="9" r="2" fill="{HOLE}"/>\n', "")
        body += f'<g opacity="0.28">\n{halo}</g>\n'
    if hole == "none":
        # a hole in the gear: cut it out with an even-odd ring instead of a fill
        glyph = glyph.replace('<circle cx="9" cy="9" r="2" fill="{HOLE}"/>\n', "")
        glyph = glyph.replace('fill="%s"/>' % GLYPH,
                              'fill="%s" fill-rule="evenodd"/>' % GLYPH)
        if kind == "setting":
            glyph = glyph.replace(' Z"', ' Z M11 9 A2 2 0 1 0 7 9 A2 2 0 1 0 11 9 Z"')
    else:
        glyph = glyph.replace("{HOLE}", hole)
    return svg(18, 18, body + glyph)


# ---------------------------------------------------------------- home page pictures
def no_connect():
    c = "#7d8086"
    light = "#a3a6ab"
    out = []
    # cable and plug, on the left
    out.append(f'<path d="M10 118 C30 118 34 80 58 80" fill="none" stroke="{c}" stroke-width="8" stroke-linecap="round"/>\n')
    out.append(f'<rect x="56" y="66" width="22" height="28" rx="4" fill="{c}"/>\n')
    out.append(f'<rect x="78" y="71" width="14" height="18" rx="1.5" fill="{light}"/>\n')
    out.append(f'<rect x="82" y="75" width="3" height="3" fill="{c}"/><rect x="82" y="82" width="3" height="3" fill="{c}"/>\n')
    # socket, on the right
    out.append(f'<rect x="108" y="62" width="30" height="36" rx="4" fill="none" stroke="{c}" stroke-width="5"/>\n')
    out.append(f'<rect x="116" y="72" width="14" height="16" rx="1.5" fill="{light}"/>\n')
    out.append(f'<path d="M138 80 L152 80" stroke="{c}" stroke-width="8" stroke-linecap="round"/>\n')
    # break marks between them
    for d in ("M99 58 L103 48", "M100 80 L108 80", "M99 102 L103 112"):
        out.append(f'<path d="{d}" stroke="{light}" stroke-width="3.5" stroke-linecap="round"/>\n')
    return svg(160, 160, "".join(out))


def tile(glyph):
    return svg(75, 75, f'<rect x="2" y="2" width="71" height="71" rx="16" fill="{ICON_TILE}"/>\n' + glyph)


def icon_web():
    c = ICON_GLYPH
    return tile(f'<circle cx="37.5" cy="37.5" r="20" fill="none" stroke="{c}" stroke-width="3.5"/>\n'
                f'<ellipse cx="37.5" cy="37.5" rx="9" ry="20" fill="none" stroke="{c}" stroke-width="3"/>\n'
                f'<path d="M17.5 37.5 L57.5 37.5 M21 27 L54 27 M21 48 L54 48" stroke="{c}" stroke-width="3"/>\n')


def icon_cart():
    c = ICON_GLYPH
    return tile(f'<path d="M15 22 L23 22 L29 46 L53 46 L58 29 L25 29" fill="none" stroke="{c}" stroke-width="3.8" '
                'stroke-linecap="round" stroke-linejoin="round"/>\n'
                f'<circle cx="32" cy="54" r="4" fill="{c}"/><circle cx="50" cy="54" r="4" fill="{c}"/>\n')


def icon_bag():
    c = ICON_GLYPH
    return tile(f'<path d="M21 29 L54 29 L57 58 L18 58 Z" fill="none" stroke="{c}" stroke-width="3.8" stroke-linejoin="round"/>\n'
                f'<path d="M29 33 L29 25 C29 15 46 15 46 25 L46 33" fill="none" stroke="{c}" stroke-width="3.5" '
                'stroke-linecap="round"/>\n')


def icon_chat():
    c = ICON_GLYPH
    return tile(f'<path d="M14 22 C14 18 17 16 21 16 L43 16 C47 16 50 18 50 22 L50 35 C50 39 47 41 43 41 L27 41 '
                f'L19 48 L20 41 C16 41 14 39 14 35 Z" fill="{c}"/>\n'
                f'<path d="M53 28 L55 28 C58 28 61 30 61 34 L61 46 C61 50 58 52 55 52 L54 52 L55 59 L47 52 L35 52 '
                f'C31 52 29 50 29 47 L29 45 L44 45 C49 45 53 41 53 36 Z" fill="{c}" fill-opacity="0.7"/>\n'
                f'<circle cx="25" cy="28.5" r="2.6" fill="{ICON_TILE}"/><circle cx="39" cy="28.5" r="2.6" fill="{ICON_TILE}"/>\n')


def icon_share():
    c = ICON_GLYPH
    return tile(f'<path d="M25 37.5 L50 24 M25 37.5 L50 51" stroke="{c}" stroke-width="3.5"/>\n'
                f'<circle cx="24" cy="37.5" r="7" fill="{c}"/><circle cx="51" cy="23" r="7" fill="{c}"/>'
                f'<circle cx="51" cy="52" r="7" fill="{c}"/>\n')


def qr_placeholder(seed):
    """A code-like placeholder: the three corner squares and a fixed pattern that encodes nothing."""
    n = 25
    cell = 5
    margin = 10
    size = n * cell + 2 * margin
    rnd = random.Random(seed)
    dark = "#2b2d31"
    out = [f'<rect x="0" y="0" width="{size}" height="{size}" rx="6" fill="#f4f5f6"/>\n']

    def finder(cx, cy):
        x = margin + cx * cell
        y = margin + cy * cell
        return (f'<rect x="{x}" y="{y}" width="{7 * cell}" height="{7 * cell}" fill="{dark}"/>'
                f'<rect x="{x + cell}" y="{y + cell}" width="{5 * cell}" height="{5 * cell}" fill="#f4f5f6"/>'
                f'<rect x="{x + 2 * cell}" y="{y + 2 * cell}" width="{3 * cell}" height="{3 * cell}" fill="{dark}"/>\n')

    out.append(finder(0, 0) + finder(n - 7, 0) + finder(0, n - 7))

    def in_finder(cx, cy):
        return (cx < 8 and cy < 8) or (cx >= n - 8 and cy < 8) or (cx < 8 and cy >= n - 8)

    cells = []
    for cy in range(n):
        for cx in range(n):
            if not in_finder(cx, cy) and rnd.random() < 0.45:
                cells.append(f"M{margin + cx * cell} {margin + cy * cell}h{cell}v{cell}h-{cell}z")
    out.append(f'<path d="{"".join(cells)}" fill="{dark}"/>\n')
    return svg(size, size, "".join(out))


# ---------------------------------------------------------------- lighting editor controls
def slider_handle():
    # 20 x 16: a round knob on the slider's groove, light with a grey rim and a darker core.
    return svg(20, 16,
               f'<circle cx="10" cy="8" r="7.2" fill="{WHITE}" stroke="{GLYPH_SEL_BG}" stroke-width="1.2"/>\n'
               f'<circle cx="10" cy="8" r="2.6" fill="{GLYPH}"/>\n')


def add_colour(selected):
    # 12 x 12: an empty swatch with a plus; filled while hovered or pressed.
    if selected:
        body = (f'<rect x="0.5" y="0.5" width="11" height="11" rx="1.5" fill="{GLYPH_SEL_BG}" stroke="{WHITE}"/>\n'
                f'<path d="M6 3 L6 9 M3 6 L9 6" stroke="{WHITE}" stroke-width="1.4"/>\n')
    else:
        body = (f'<rect x="0.5" y="0.5" width="11" height="11" rx="1.5" fill="none" stroke="{GLYPH}" '
                f'stroke-dasharray="2 1"/>\n'
                f'<path d="M6 3 L6 9 M3 6 L9 6" stroke="{GLYPH}" stroke-width="1.4"/>\n')
    return svg(12, 12, body)


def delete_button(selected):
    # 18 x 18: a waste bin; white on a red disc while hovered or pressed.
    colour = WHITE if selected else GLYPH
    body = f'<circle cx="9" cy="9" r="9" fill="{CLOSE_SEL_BG}"/>\n' if selected else ""
    body += (f'<path d="M5 5.5 L13 5.5 M7.5 5.5 L7.5 4 L10.5 4 L10.5 5.5" fill="none" stroke="{colour}" '
             f'stroke-width="1.3" stroke-linejoin="round"/>\n'
             f'<path d="M6 7 L6.6 14 L11.4 14 L12 7 Z" fill="none" stroke="{colour}" stroke-width="1.3" '
             f'stroke-linejoin="round"/>\n'
             f'<path d="M8 8.5 L8 12.5 M10 8.5 L10 12.5" stroke="{colour}" stroke-width="1"/>\n')
    return svg(18, 18, body)


def full_colour():
    # 20 x 20: a disc of six hue slices around a white centre.
    import math
    hues = ["#ff3b30", "#ffcc00", "#34c759", "#32ade6", "#3a5bff", "#c644fc"]
    out = []
    for i, colour in enumerate(hues):
        a0 = math.radians(i * 60 - 90)
        a1 = math.radians((i + 1) * 60 - 90)
        x0, y0 = 10 + 9 * math.cos(a0), 10 + 9 * math.sin(a0)
        x1, y1 = 10 + 9 * math.cos(a1), 10 + 9 * math.sin(a1)
        out.append(f'<path d="M10 10 L{fmt(x0)} {fmt(y0)} A9 9 0 0 1 {fmt(x1)} {fmt(y1)} Z" fill="{colour}"/>\n')
    out.append(f'<circle cx="10" cy="10" r="3.2" fill="{WHITE}"/>\n')
    out.append(f'<circle cx="10" cy="10" r="9" fill="none" stroke="{BODY_EDGE}" stroke-width="0.8"/>\n')
    return svg(20, 20, "".join(out))


# The glyphs of the eight lighting directions on an 18 x 18 grid, as stroked paths.
DIRECTION_GLYPHS = {
    "LightRight": "M4 9 L14 9 M10.5 5.5 L14 9 L10.5 12.5",
    "LightLeft": "M14 9 L4 9 M7.5 5.5 L4 9 L7.5 12.5",
    "LightUp": "M9 14 L9 4 M5.5 7.5 L9 4 L12.5 7.5",
    "LightDown": "M9 4 L9 14 M5.5 10.5 L9 14 L12.5 10.5",
    "LightGather": "M2.5 9 L7 9 M5 7 L7 9 L5 11 M15.5 9 L11 9 M13 7 L11 9 L13 11",
    "LightDispersion": "M7 9 L2.5 9 M4.5 7 L2.5 9 L4.5 11 M11 9 L15.5 9 M13.5 7 L15.5 9 L13.5 11",
    "LightCw": "M13.5 9 A4.5 4.5 0 1 1 9 4.5 M7 2.5 L9 4.5 L7 6.5",
    "LightUncw": "M4.5 9 A4.5 4.5 0 1 0 9 4.5 M11 2.5 L9 4.5 L11 6.5",
}


def direction_button(name, selected):
    # 18 x 18: the direction's arrow; white on a grey disc while pressed or checked.
    colour = WHITE if selected else GLYPH
    body = f'<circle cx="9" cy="9" r="9" fill="{GLYPH_SEL_BG}"/>\n' if selected else ""
    body += (f'<path d="{DIRECTION_GLYPHS[name]}" fill="none" stroke="{colour}" stroke-width="1.6" '
             'stroke-linecap="round" stroke-linejoin="round"/>\n')
    return svg(18, 18, body)


def main():
    write("mouse.svg", mouse_svg())
    for zone in ("Around", "Scroll", "Logo"):
        write(f"MouseImg/mouse_{zone}Def.svg", mouse_zone_icon(zone, False))
        write(f"MouseImg/mouse_{zone}Sel.svg", mouse_zone_icon(zone, True))
    write("publicIco/LinkDef.svg", link_icon(False))
    write("publicIco/LinkSel.svg", link_icon(True))
    write("app-logo.svg", app_logo())
    write("wide-logo.svg", wide_logo())
    for kind in ("setting", "minWindow", "maxWindow", "intoMaxWindow", "closeWindow"):
        write(f"mainpage/{kind}Def.svg", window_button(kind, False))
        write(f"mainpage/{kind}Sel.svg", window_button(kind, True))
    write("no-connect.svg", no_connect())
    write("home/web.svg", icon_web())
    write("home/cart.svg", icon_cart())
    write("home/bag.svg", icon_bag())
    write("home/chat.svg", icon_chat())
    write("home/share.svg", icon_share())
    write("home/code-one.svg", qr_placeholder(1))
    write("home/code-two.svg", qr_placeholder(2))
    write("deviceLed/sliderDef.svg", slider_handle())
    write("deviceLed/addColorDef.svg", add_colour(False))
    write("deviceLed/addColorSel.svg", add_colour(True))
    write("macro/deleteDef.svg", delete_button(False))
    write("macro/deleteSel.svg", delete_button(True))
    write("deviceLed/fullColor.svg", full_colour())
    for name in DIRECTION_GLYPHS:
        write(f"deviceLed/{name}Def.svg", direction_button(name, False))
        write(f"deviceLed/{name}Sel.svg", direction_button(name, True))


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Writes the SVG sources of Dusklatch's pictures into bitmaps/ and icons/.

The SVGs are committed; run this again after changing a drawing here.
Palette: night blue, violet and the orange of a late sunset.
"""
import os

HERE = os.path.dirname(os.path.abspath(__file__))
NIGHT, INDIGO, VIOLET, DUSK, PALE = "#1e2235", "#3a3f6b", "#8e6bbf", "#f29e4c", "#e8e6f2"
RED, GREEN, BLUE, GOLD, BROWN = "#e0555a", "#4fb477", "#4a90d9", "#f2c94c", "#a0693a"
GUTTER = "#e4e6f0"  # the picture column of the tray menu; menu pictures sit on it

S = 'stroke-linecap="round" stroke-linejoin="round"'

# 16x16 glyphs shared by the menu pictures and the action icons.
GLYPHS = {
    "shut": f'<circle cx="8" cy="8.5" r="5.5" fill="none" stroke="{RED}" stroke-width="2" stroke-dasharray="26 8.5" transform="rotate(-62 8 8.5)" {S}/>'
            f'<line x1="8" y1="1.8" x2="8" y2="8" stroke="{RED}" stroke-width="2" {S}/>',
    "Restart": f'<path d="M12.6 6.2 A5.2 5.2 0 1 0 13 10" fill="none" stroke="{GREEN}" stroke-width="2" {S}/>'
               f'<path d="M9.6 5.6 L13.6 6.6 L13.9 2.4 Z" fill="{GREEN}" stroke="{GREEN}" stroke-width="1" {S}/>',
    "logoff": f'<rect x="2" y="2" width="7" height="12" rx="1" fill="{INDIGO}"/>'
              f'<circle cx="7.3" cy="8.5" r="0.8" fill="{GOLD}"/>'
              f'<path d="M8.5 8 H14.5 M12 5.5 L14.5 8 L12 10.5" fill="none" stroke="{DUSK}" stroke-width="1.8" {S}/>',
    "standby": f'<path d="M10.5 2 A6 6 0 1 0 14 11 A5 5 0 0 1 10.5 2 Z" fill="{GOLD}" stroke="#c99a1e" stroke-width="0.8" {S}/>',
    "hiber": f'<g stroke="{BLUE}" stroke-width="1.6" {S} fill="none">'
             f'<line x1="8" y1="1.5" x2="8" y2="14.5"/><line x1="2.4" y1="4.8" x2="13.6" y2="11.2"/>'
             f'<line x1="2.4" y1="11.2" x2="13.6" y2="4.8"/>'
             f'<path d="M6.2 2.8 L8 4.4 L9.8 2.8 M6.2 13.2 L8 11.6 L9.8 13.2"/></g>',
    "lock": f'<path d="M5 7 V5 A3 3 0 0 1 11 5 V7" fill="none" stroke="{INDIGO}" stroke-width="1.8"/>'
            f'<rect x="3" y="7" width="10" height="7.5" rx="1.5" fill="{DUSK}"/>'
            f'<rect x="7.2" y="9.3" width="1.6" height="3" rx="0.8" fill="{NIGHT}"/>',
    "checkxp": f'<path d="M8 1.5 L13.5 3.5 V8 C13.5 11 11 13.5 8 14.5 C5 13.5 2.5 11 2.5 8 V3.5 Z" fill="{INDIGO}"/>'
               f'<path d="M5.2 8 L7.3 10.2 L11 5.8" fill="none" stroke="{GREEN}" stroke-width="1.9" {S}/>',
    "ie": f'<circle cx="8" cy="8" r="6" fill="{BLUE}"/>'
          f'<g fill="none" stroke="#dbe9f8" stroke-width="1"><ellipse cx="8" cy="8" rx="2.6" ry="6"/>'
          f'<line x1="2" y1="8" x2="14" y2="8"/><path d="M3 5 H13 M3 11 H13"/></g>',
    "int": f'<circle cx="8" cy="8" r="6" fill="{GREEN}"/>'
           f'<path d="M5 4 C7 5 6 7 8 7.5 C10 8 9 10.5 7 11 M10 3.5 C11 5 12.5 5 13.5 6" fill="none" stroke="#e3f5ea" stroke-width="1.2" {S}/>',
    "rec1": f'<rect x="3.5" y="4.5" width="9" height="10" rx="1" fill="{INDIGO}"/>'
            f'<rect x="2.5" y="3" width="11" height="1.8" rx="0.6" fill="{VIOLET}"/>'
            f'<rect x="6" y="1.5" width="4" height="1.8" rx="0.6" fill="{VIOLET}"/>'
            f'<g stroke="{PALE}" stroke-width="1"><line x1="6" y1="6.5" x2="6" y2="12.5"/>'
            f'<line x1="8" y1="6.5" x2="8" y2="12.5"/><line x1="10" y1="6.5" x2="10" y2="12.5"/></g>',
    "hist": f'<circle cx="8" cy="8" r="6" fill="#ffffff" stroke="{INDIGO}" stroke-width="1.6"/>'
            f'<path d="M8 4.5 V8 L10.5 9.6" fill="none" stroke="{DUSK}" stroke-width="1.6" {S}/>',
    "coo": f'<circle cx="8" cy="8" r="6" fill="{BROWN}"/>'
           f'<g fill="#4a2c14"><circle cx="6" cy="6" r="1"/><circle cx="10" cy="7" r="0.9"/>'
           f'<circle cx="7" cy="10.5" r="1"/><circle cx="10.5" cy="10.5" r="0.7"/></g>',
    "pai1": f'<path d="M13.5 2 L7.5 8.5" stroke="{BROWN}" stroke-width="2" {S}/>'
            f'<path d="M6.8 8 C4 8 4.5 11 2.5 13.5 C6 13.8 8.8 12 8.2 9.5 Z" fill="{VIOLET}"/>',
    "paint": f'<path d="M8 2 C3.5 2 1.5 5.5 2 8.5 C2.5 11.5 5 14 8 14 C9.5 14 9.5 12.3 8.7 11.5 C8 10.7 8.6 9.5 10 9.5 '
             f'H12 C13.5 9.5 14.3 8.4 14 6.8 C13.5 4 11 2 8 2 Z" fill="{PALE}" stroke="{INDIGO}" stroke-width="1"/>'
             f'<circle cx="5" cy="6.5" r="1.2" fill="{RED}"/><circle cx="8" cy="4.6" r="1.2" fill="{BLUE}"/>'
             f'<circle cx="11" cy="6" r="1.2" fill="{GREEN}"/><circle cx="5" cy="10" r="1.2" fill="{GOLD}"/>',
    "home": f'<path d="M2 8 L8 2.5 L14 8" fill="none" stroke="{DUSK}" stroke-width="1.8" {S}/>'
            f'<path d="M4 7.5 V14 H12 V7.5 L8 4 Z" fill="{INDIGO}"/>'
            f'<rect x="7" y="10" width="2.4" height="4" fill="{GOLD}"/>',
    "arr1": f'<circle cx="8" cy="8" r="6.2" fill="{DUSK}"/><path d="M6.5 5 L11 8 L6.5 11 Z" fill="#ffffff"/>',
    "star": f'<path d="M8 1.6 L9.9 5.6 L14.2 6.1 L11 9.1 L11.8 13.4 L8 11.3 L4.2 13.4 L5 9.1 L1.8 6.1 L6.1 5.6 Z" '
            f'fill="{GOLD}" stroke="#c99a1e" stroke-width="0.8" {S}/>',
    "abc": f'<text x="8" y="11.5" font-family="DejaVu Sans, sans-serif" font-weight="bold" font-size="7.5" '
           f'text-anchor="middle" fill="{INDIGO}">abc</text><line x1="2" y1="13.5" x2="14" y2="13.5" stroke="{DUSK}" stroke-width="1.2"/>',
    "del": f'<path d="M3.5 3.5 L12.5 12.5 M12.5 3.5 L3.5 12.5" stroke="{RED}" stroke-width="2.8" {S}/>',
    "new": f'<path d="M3.5 1.5 H9.5 L12.5 4.5 V14.5 H3.5 Z" fill="#ffffff" stroke="{INDIGO}" stroke-width="1" {S}/>'
           f'<path d="M9.5 1.5 V4.5 H12.5" fill="{PALE}" stroke="{INDIGO}" stroke-width="1" {S}/>'
           f'<g stroke="{VIOLET}" stroke-width="1"><line x1="5.5" y1="7.5" x2="10.5" y2="7.5"/>'
           f'<line x1="5.5" y1="9.5" x2="10.5" y2="9.5"/><line x1="5.5" y1="11.5" x2="9" y2="11.5"/></g>',
    "open": f'<path d="M1.5 3.5 H6 L7.5 5 H13 V13 H1.5 Z" fill="#c98a2e"/>'
            f'<path d="M3.2 7 H15 L13 13 H1.5 Z" fill="{GOLD}"/>',
    "sch": f'<rect x="2" y="3" width="12" height="11" rx="1.2" fill="#ffffff" stroke="{INDIGO}" stroke-width="1"/>'
           f'<rect x="2" y="3" width="12" height="3.2" rx="1" fill="{DUSK}"/>'
           f'<g fill="{INDIGO}"><rect x="4" y="8" width="2" height="1.6"/><rect x="7" y="8" width="2" height="1.6"/>'
           f'<rect x="10" y="8" width="2" height="1.6"/><rect x="4" y="11" width="2" height="1.6"/>'
           f'<rect x="7" y="11" width="2" height="1.6"/></g>'
           f'<g stroke="{NIGHT}" stroke-width="1.4" {S}><line x1="5" y1="1.8" x2="5" y2="4"/><line x1="11" y1="1.8" x2="11" y2="4"/></g>',
    "saveall": f'<path d="M2 2 H12 L14 4 V14 H2 Z" fill="{INDIGO}"/>'
               f'<rect x="4.5" y="2" width="6" height="4" fill="{PALE}"/><rect x="8.5" y="2.7" width="1.3" height="2.5" fill="{INDIGO}"/>'
               f'<rect x="4" y="8.5" width="8" height="5.5" fill="#ffffff"/>',
    "exit": f'<rect x="2" y="2" width="12" height="12" rx="2" fill="{RED}"/>'
            f'<path d="M5.3 5.3 L10.7 10.7 M10.7 5.3 L5.3 10.7" stroke="#ffffff" stroke-width="1.9" {S}/>',
    "cut": f'<g fill="none" stroke="{INDIGO}" stroke-width="1.4"><circle cx="4.5" cy="12" r="2"/><circle cx="11.5" cy="12" r="2"/></g>'
           f'<path d="M5.8 10.4 L11.5 2 M10.2 10.4 L4.5 2" stroke="{NIGHT}" stroke-width="1.2" {S}/>',
    "copy": f'<rect x="2" y="2" width="8" height="10" rx="0.8" fill="#ffffff" stroke="{VIOLET}" stroke-width="1"/>'
            f'<rect x="6" y="5" width="8" height="10" rx="0.8" fill="#ffffff" stroke="{INDIGO}" stroke-width="1"/>',
    "paste": f'<rect x="2.5" y="2.5" width="10" height="12" rx="1" fill="{BROWN}"/>'
             f'<rect x="5" y="1.5" width="5" height="2.5" rx="0.8" fill="{PALE}" stroke="{INDIGO}" stroke-width="0.8"/>'
             f'<rect x="6.5" y="6" width="7.5" height="9" rx="0.6" fill="#ffffff" stroke="{INDIGO}" stroke-width="0.8"/>',
    "info": f'<circle cx="8" cy="8" r="6.5" fill="{BLUE}"/><circle cx="8" cy="4.8" r="1.1" fill="#ffffff"/>'
            f'<rect x="7" y="6.8" width="2" height="5.6" rx="0.8" fill="#ffffff"/>',
}


def svg(width, height, body, view=None):
    vb = view or f"0 0 {width} {height}"
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" viewBox="{vb}">\n'
            f'{body}\n</svg>\n')


def write(sub, name, text):
    os.makedirs(os.path.join(HERE, sub), exist_ok=True)
    with open(os.path.join(HERE, sub, name + ".svg"), "w") as f:
        f.write(text)


def sky(id_, top=NIGHT, mid=INDIGO, low="#6b4a8a"):
    return (f'<defs><linearGradient id="{id_}" x1="0" y1="0" x2="0" y2="1">'
            f'<stop offset="0" stop-color="{top}"/><stop offset="0.65" stop-color="{mid}"/>'
            f'<stop offset="1" stop-color="{low}"/></linearGradient></defs>')


def stars(points):
    return "".join(f'<circle cx="{x}" cy="{y}" r="{r}" fill="#ffffff" opacity="0.8"/>' for x, y, r in points)


def main():
    # Tray menu pictures: 16x16 on the menu's picture column.
    for key, body in GLYPHS.items():
        write("bitmaps", "menu_" + key.lower(), svg(16, 16, f'<rect width="16" height="16" fill="{GUTTER}"/>' + body))
    # Action icons for the countdown's and the schedule's lists (16, 32, 48 pixels).
    for name, key in [("shutdown", "shut"), ("restart", "Restart"), ("logoff", "logoff"),
                      ("standby", "standby"), ("hibernate", "hiber"), ("lock", "lock"), ("exit", "exit")]:
        write("icons", "action_" + name, svg(48, 48, GLYPHS[key], "0 0 16 16"))

    # Skin pictures. 14/15: navigation entry pressed/released; 4/5: close; 6/7: minimise.
    def button(w, h, fill, edge, glyph=""):
        return svg(w, h, f'<rect width="{w}" height="{h}" fill="{NIGHT}"/>'
                         f'<rect x="0.5" y="0.5" width="{w-1}" height="{h-1}" rx="3" fill="{fill}" stroke="{edge}"/>' + glyph)
    close_x = f'<path d="M6 6 L12 12 M12 6 L6 12" stroke="#ffffff" stroke-width="1.8" {S}/>'
    minus = f'<path d="M5.5 11.5 H12.5" stroke="#ffffff" stroke-width="1.8" {S}/>'
    skins = {
        0: button(18, 18, INDIGO, VIOLET), 1: button(18, 18, VIOLET, DUSK),
        2: button(18, 18, INDIGO, VIOLET, f'<circle cx="9" cy="9" r="3" fill="{DUSK}"/>'),
        3: button(18, 18, VIOLET, DUSK, f'<circle cx="9" cy="9" r="3" fill="{GOLD}"/>'),
        4: button(18, 18, "#b8404a", RED, close_x), 5: button(18, 18, INDIGO, VIOLET, close_x),
        6: button(18, 18, VIOLET, DUSK, minus), 7: button(18, 18, INDIGO, VIOLET, minus),
        8: button(18, 18, INDIGO, VIOLET, f'<path d="M6 7 L9 11 L12 7" fill="none" stroke="#ffffff" stroke-width="1.8" {S}/>'),
        9: button(18, 18, INDIGO, VIOLET, f'<path d="M6 11 L9 7 L12 11" fill="none" stroke="#ffffff" stroke-width="1.8" {S}/>'),
        10: button(18, 18, INDIGO, VIOLET, f'<circle cx="9" cy="9" r="4" fill="none" stroke="#ffffff" stroke-width="1.5"/>'),
        11: button(18, 18, VIOLET, DUSK, f'<circle cx="9" cy="9" r="4" fill="none" stroke="#ffffff" stroke-width="1.5"/>'),
        12: svg(120, 4, f'<rect width="120" height="4" fill="{NIGHT}"/><rect y="1.5" width="120" height="1" fill="{VIOLET}"/>'),
        13: svg(120, 4, f'<rect width="120" height="4" fill="{NIGHT}"/><rect y="1.5" width="120" height="1" fill="{DUSK}"/>'),
        14: svg(120, 30, sky("p", "#4b3a78", "#6b4a8a", "#8a5a7a") + '<rect width="120" height="30" fill="url(#p)"/>'
                 f'<rect width="4" height="30" fill="{DUSK}"/><rect y="29" width="120" height="1" fill="{DUSK}"/>'),
        15: svg(120, 30, f'<rect width="120" height="30" fill="{NIGHT}"/>'
                 f'<rect y="29" width="120" height="1" fill="{INDIGO}"/>'),
    }
    for n, text in skins.items():
        write("bitmaps", f"skin_{n:02d}", text)

    hills = lambda w, h: (f'<path d="M0 {h*0.78} C{w*0.2} {h*0.68} {w*0.35} {h*0.74} {w*0.5} {h*0.8} '
                          f'C{w*0.7} {h*0.88} {w*0.85} {h*0.7} {w} {h*0.75} V{h} H0 Z" fill="#141726"/>')
    sun = lambda cx, cy, r: (f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="{DUSK}" opacity="0.9"/>'
                             f'<circle cx="{cx}" cy="{cy}" r="{r*1.6}" fill="{DUSK}" opacity="0.15"/>')
    title = lambda x, y, size, text, anchor="start": (
        f'<text x="{x}" y="{y}" font-family="DejaVu Sans, sans-serif" font-weight="bold" font-size="{size}" '
        f'fill="{PALE}" text-anchor="{anchor}">{text}</text>')
    # Splash window (479x281).
    write("bitmaps", "splash", svg(479, 281, sky("s", NIGHT, "#4b3a78", "#c0606a") + '<rect width="479" height="281" fill="url(#s)"/>'
          + stars([(40, 30, 1.2), (120, 60, 0.8), (200, 25, 1), (320, 45, 1.3), (430, 30, 0.9), (380, 80, 0.7), (70, 95, 0.8)])
          + sun(360, 205, 34) + hills(479, 281)
          + title(32, 130, 40, "Dusklatch") + f'<text x="34" y="158" font-family="DejaVu Sans, sans-serif" font-size="13" fill="{DUSK}">'
          'shut down, restart and clean up on your schedule</text>'
          f'<rect x="0.5" y="0.5" width="478" height="280" fill="none" stroke="{VIOLET}"/>'))
    # About picture (330x120), banner Image12 (380x60).
    write("bitmaps", "about", svg(330, 120, sky("a") + '<rect width="330" height="120" fill="url(#a)"/>'
          + stars([(30, 20, 1), (90, 40, 0.8), (250, 18, 1.1), (300, 50, 0.8)]) + sun(270, 92, 18) + hills(330, 120)
          + f'<image/>' .replace('<image/>', '') + title(20, 62, 28, "Dusklatch")))
    write("bitmaps", "banner", svg(380, 60, sky("b", NIGHT, INDIGO, "#5a4a86") + '<rect width="380" height="60" fill="url(#b)"/>'
          + stars([(220, 12, 0.9), (300, 30, 0.8), (350, 10, 1)]) + sun(345, 52, 14)
          + title(16, 38, 24, "Dusklatch")
          + f'<rect y="58" width="380" height="2" fill="{DUSK}"/>'))
    # Main window (500x433): page area and navigation column.
    write("bitmaps", "page_background", svg(500, 433, sky("g", "#262a42", "#23273d", "#1e2235")
          + '<rect width="500" height="433" fill="url(#g)"/>'))
    write("bitmaps", "nav_background", svg(120, 433, sky("n", NIGHT, "#232742", "#2e2a4a")
          + '<rect width="120" height="433" fill="url(#n)"/>' + sun(100, 420, 30)
          + f'<rect x="119" width="1" height="433" fill="{INDIGO}"/>'))

    # Floating toolbar (361x101): only the rounded band from (55, 11) to (303, 57) is seen.
    write("bitmaps", "toolbar", svg(361, 101, sky("t", "#2e3358", INDIGO, "#5a4a86")
          + f'<rect width="361" height="101" fill="{NIGHT}"/>'
          + '<rect x="55.5" y="11.5" width="247" height="45" rx="10" ry="9" fill="url(#t)"/>'
          + f'<rect x="55.5" y="11.5" width="247" height="45" rx="10" ry="9" fill="none" stroke="{DUSK}" stroke-width="1.2"/>'))


if __name__ == "__main__":
    main()

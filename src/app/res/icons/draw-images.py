#!/usr/bin/env python3
"""Draws Netloom's images for high-density screens and for the desktop's icon theme.

Run it from anywhere after changing a picture; it rewrites the files it makes, which are
committed, so neither the build nor the package needs it:

- the application icon (netloom) and the settings item's icon (loomctl) as SVG, and as PNG
  at every hicolor size through rsvg-convert (Debian package librsvg2-bin);
- the toolbar strip and the tree image strip at twice their size as XPM, from the 1x strips
  with the Scale2x rule, which rounds the steps of slanted and curved edges instead of
  doubling every pixel, and keeps the pictures' colours exactly (no blending, so no fringes
  of the transparent colour).
"""

import pathlib
import re
import subprocess

ROOT = pathlib.Path(__file__).resolve().parents[4]
SIZES = (16, 24, 32, 48, 64, 128, 256)

# The application: an adapter card with its chip, a green and a red signal, the gold contacts
# and the cable connector, after the 32x32 picture in netloom.xpm.
NETLOOM_SVG = """<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 64 64">
  <rect x="4" y="11" width="56" height="33" rx="3" fill="#00c0ff" stroke="#000080" stroke-width="3"/>
  <g fill="#e0a000">
    <rect x="10" y="45.5" width="4" height="7" rx="1"/><rect x="18" y="45.5" width="4" height="7" rx="1"/>
    <rect x="26" y="45.5" width="4" height="7" rx="1"/><rect x="34" y="45.5" width="4" height="7" rx="1"/>
    <rect x="42" y="45.5" width="4" height="7" rx="1"/><rect x="50" y="45.5" width="4" height="7" rx="1"/>
  </g>
  <rect x="10" y="17" width="13" height="13" rx="1.5" fill="#404040" stroke="#000000" stroke-width="1.5"/>
  <path d="M28 27 q4 -7 8 0 t8 0 t8 0" fill="none" stroke="#008000" stroke-width="3" stroke-linecap="round"/>
  <path d="M28 37 q4 -7 8 0 t8 0 t8 0" fill="none" stroke="#c00000" stroke-width="3" stroke-linecap="round"/>
  <rect x="30" y="18" width="22" height="4" rx="1" fill="#c0c0c0" stroke="#000000" stroke-width="1"/>
  <rect x="28" y="54" width="32" height="9" rx="1.5" fill="#ffffff" stroke="#000000" stroke-width="1.5"/>
  <g fill="#000080">
    <rect x="32" y="56.5" width="4" height="4"/><rect x="38" y="56.5" width="4" height="4"/>
    <rect x="44" y="56.5" width="4" height="4"/><rect x="50" y="56.5" width="4" height="4"/>
  </g>
</svg>
"""

# The settings item: the configuration sheet behind a grey adapter card, after Icon105.xpm.
LOOMCTL_SVG = """<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 64 64">
  <path d="M28 3 h20 l10 10 v36 h-30 z" fill="#ffffff" stroke="#000000" stroke-width="2" stroke-linejoin="round"/>
  <path d="M48 3 v10 h10" fill="#e0e0e0" stroke="#000000" stroke-width="2" stroke-linejoin="round"/>
  <g stroke="#404040" stroke-width="2.5" stroke-linecap="round">
    <path d="M34 18 h18"/><path d="M34 24 h12"/><path d="M34 30 h18"/>
  </g>
  <rect x="8" y="31" width="44" height="22" rx="2" fill="#808080" stroke="#000000" stroke-width="2"/>
  <rect x="9" y="32" width="42" height="3" fill="#00c000"/>
  <rect x="22" y="38" width="14" height="10" rx="1" fill="#202020"/>
  <g fill="#e0e000">
    <rect x="16" y="54" width="3" height="5"/><rect x="22" y="54" width="3" height="5"/>
    <rect x="28" y="54" width="3" height="5"/><rect x="34" y="54" width="3" height="5"/>
    <rect x="40" y="54" width="3" height="5"/>
  </g>
  <path d="M5 24 v36 h20" fill="none" stroke="#0000ff" stroke-width="3" stroke-linecap="round"/>
</svg>
"""


def WriteIcon(name, svg, folder):
    folder.mkdir(parents=True, exist_ok=True)
    source = folder / (name + ".svg")
    source.write_text(svg)
    for size in SIZES:
        png = folder / ("%s-%d.png" % (name, size))
        subprocess.run(["rsvg-convert", "-w", str(size), "-h", str(size), "-o", str(png),
                        str(source)], check=True)


def ReadXpm(path):
    text = path.read_text()
    rows = re.findall(r'"([^"]*)"', text)
    width, height, colours, chars = (int(v) for v in rows[0].split()[:4])
    palette = rows[1:1 + colours]
    pixels = rows[1 + colours:1 + colours + height]
    assert chars == 1 and all(len(r) == width for r in pixels), path
    return palette, pixels


def Scale2x(pixels):
    height, width = len(pixels), len(pixels[0])

    def At(x, y):
        return pixels[min(max(y, 0), height - 1)][min(max(x, 0), width - 1)]

    out = []
    for y in range(height):
        top, bottom = [], []
        for x in range(width):
            p, a, b, c, d = At(x, y), At(x, y - 1), At(x + 1, y), At(x - 1, y), At(x, y + 1)
            if c == a and c != d and a != b:
                e0 = a
            else:
                e0 = p
            e1 = b if (a == b and a != c and b != d) else p
            e2 = c if (d == c and d != b and c != a) else p
            e3 = d if (b == d and b != a and d != c) else p
            top += [e0, e1]
            bottom += [e2, e3]
        out += ["".join(top), "".join(bottom)]
    return out


def WriteDoubleXpm(source, target, variable):
    palette, pixels = ReadXpm(source)
    doubled = Scale2x(pixels)
    lines = ['/* XPM */', '// Made by src/app/res/icons/draw-images.py from %s; do not edit.'
             % source.name, 'static const char* const %s[] = {' % variable,
             '"%d %d %d 1",' % (len(doubled[0]), len(doubled), len(palette))]
    lines += ['"%s",' % entry for entry in palette]
    lines += ['"%s",' % row for row in doubled[:-1]] + ['"%s"' % doubled[-1], '};', '']
    target.write_text("\n".join(lines))


def main():
    WriteIcon("netloom", NETLOOM_SVG, ROOT / "src/app/res/icons")
    WriteIcon("loomctl", LOOMCTL_SVG, ROOT / "applet/res/icons")
    WriteDoubleXpm(ROOT / "src/app/res/Toolbar.xpm", ROOT / "src/app/res/Toolbar@2x.xpm",
                   "kToolbar2xXpm")
    WriteDoubleXpm(ROOT / "src/view/res/TreeImages.xpm", ROOT / "src/view/res/TreeImages@2x.xpm",
                   "kTreeImages2xXpm")


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Draws the program icon as SVG and renders it to the PNG sizes of the hicolor theme.

The icon is a waxing gibbous Moon on a night-blue rounded square: its lit part
pale and softly shaded, its dark part in the red the main window paints the
Moon's shadow with, and around the disc twelve marks for the twelve earthly
branches (the double hours and months of the Chinese reckoning).

Usage:
    tools/icons/make_icons.py [--check] [DATA_FOLDER]

Writes DATA_FOLDER/icons/vemla.svg and DATA_FOLDER/icons/vemla-N.png for each
size N (DATA_FOLDER defaults to data/ of this checkout). The PNGs are rendered
by rsvg-convert (Debian: librsvg2-bin). With --check nothing is written: the
icons are drawn into a scratch folder and compared with the kept ones, and the
exit status is 1 when any differs, so a change to the drawing cannot be
forgotten.
"""

import argparse
import filecmp
import math
import pathlib
import subprocess
import sys
import tempfile

SIZES = (16, 32, 48, 64, 128, 256)
CANVAS = 256  # the SVG's own unit square; the PNGs are scaled from it

NIGHT = "#162244"
SHADOW = "#c00000"
LIGHT_CENTRE = "#fffceb"
LIGHT_EDGE = "#e2dcc4"


def svg() -> str:
    """The icon's SVG text, in CANVAS units."""
    c = CANVAS / 2
    r = CANVAS * 0.34  # the Moon's disc
    d = 0.45 * r  # the terminator's half-width: a gibbous Moon about four days before full
    inner, outer = CANVAS * 0.405, CANVAS * 0.44  # the branch marks, starting at the top
    marks = "".join(
        f'<line x1="{c + inner * math.sin(a):.2f}" y1="{c - inner * math.cos(a):.2f}" '
        f'x2="{c + outer * math.sin(a):.2f}" y2="{c - outer * math.cos(a):.2f}"/>'
        for a in (math.radians(30 * k) for k in range(12)))
    corner = CANVAS * 0.18
    top, bottom = c - r, c + r
    # The lit part: the right half of the disc, then back up along the
    # terminator (half an ellipse bulging into the left half).
    lit = (f"M {c:g} {top:g} A {r:g} {r:g} 0 0 1 {c:g} {bottom:g} "
           f"A {d:g} {r:g} 0 0 1 {c:g} {top:g} Z")
    return f"""<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="{CANVAS}" height="{CANVAS}" viewBox="0 0 {CANVAS} {CANVAS}">
  <title>Vemla</title>
  <defs>
    <radialGradient id="moonlight" cx="{c:g}" cy="{c:g}" r="{r:g}" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="{LIGHT_CENTRE}"/>
      <stop offset="1" stop-color="{LIGHT_EDGE}"/>
    </radialGradient>
  </defs>
  <rect width="{CANVAS}" height="{CANVAS}" rx="{corner:g}" fill="{NIGHT}"/>
  <g stroke="{LIGHT_EDGE}" stroke-width="{CANVAS * 0.022:g}" stroke-opacity="0.7" stroke-linecap="round">{marks}</g>
  <circle cx="{c:g}" cy="{c:g}" r="{r:g}" fill="{SHADOW}"/>
  <path d="{lit}" fill="url(#moonlight)"/>
</svg>
"""


def draw(folder: pathlib.Path) -> list[pathlib.Path]:
    """Writes the SVG and its PNG renderings into folder; returns the files written."""
    folder.mkdir(parents=True, exist_ok=True)
    source = folder / "vemla.svg"
    source.write_text(svg(), encoding="utf-8")
    written = [source]
    for size in SIZES:
        png = folder / f"vemla-{size}.png"
        subprocess.run(["rsvg-convert", "--width", str(size), "--height", str(size),
                        "--output", str(png), str(source)], check=True)
        written.append(png)
    return written


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true",
                        help="compare the kept icons with freshly drawn ones; write nothing")
    parser.add_argument("data", nargs="?", type=pathlib.Path,
                        default=pathlib.Path(__file__).resolve().parents[2] / "data")
    args = parser.parse_args()
    kept = args.data / "icons"
    if not args.check:
        for path in draw(kept):
            print(path)
        return 0
    with tempfile.TemporaryDirectory() as scratch:
        stale = [path.name for path in draw(pathlib.Path(scratch))
                 if not (kept / path.name).is_file()
                 or not filecmp.cmp(path, kept / path.name, shallow=False)]
    for name in stale:
        print(f"make_icons: {kept / name} differs from the drawing; run tools/icons/make_icons.py",
              file=sys.stderr)
    return 1 if stale else 0


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/env python3
"""Writes the setup program's pictures into installdata/setup/art/ as 24-bit BMP files,
in the look of the player's own banners (scripts/make_art.py draws those).

wizard.bmp  the left-hand picture of the welcome and finish pages (164 x 314)
header.bmp  the picture in the top right corner of the other pages (150 x 57)
"""

import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "scripts"))

import make_art  # noqa: E402  (the player's banner drawing)
from make_art import ACCENT, SUBTITLE, TITLE_WHITE, Canvas, emblem  # noqa: E402

DARK = (0x0C, 0x1C, 0x36)
LIGHT = (0x24, 0x58, 0xA8)
WHITE = (0xFF, 0xFF, 0xFF)


def centred(canvas, y, text, scale, colour, shadow=True):
    x = (canvas.width - canvas.text_width(text, scale)) // 2
    canvas.text(x, y, text, scale, colour, shadow)


def wizard():
    canvas = Canvas(164, 314)
    canvas.gradient(DARK, LIGHT)
    for y in range(canvas.height):
        canvas.put(canvas.width - 3, y, ACCENT, 0.85)
    emblem(canvas, (canvas.width - 3 - 96) // 2, 40, 96)
    centred(canvas, 160, "KALVEN", 4, TITLE_WHITE)
    centred(canvas, 196, "MARQUE", 4, TITLE_WHITE)
    centred(canvas, 244, "DEMO PLAYER", 2, SUBTITLE, shadow=False)
    return canvas


# The header picture sits on the page's white band, so it fades from white.
def header():
    canvas = Canvas(150, 57)
    for y in range(canvas.height):
        for x in range(canvas.width):
            canvas.rows[y][x] = make_art.mix(WHITE, LIGHT, (x - 60) / 90)
    emblem(canvas, 150 - 4 - 49, 4, 49)
    return canvas


def main():
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "art")
    os.makedirs(out_dir, exist_ok=True)
    for name, draw in (("wizard.bmp", wizard), ("header.bmp", header)):
        with open(os.path.join(out_dir, name), "wb") as f:
            f.write(draw().bmp_bytes())


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Writes the nine 32x32 icons of Kalvenmarque.exe into ui/art/.

Each icon is a coloured rounded tile with a short label in a 3x5 pixel font, so the
program icon and the eight demo-type icons can be told apart in Explorer. Plain Python,
no imaging library: an .ico file is a small header plus a 32-bit bottom-up bitmap and a
1-bit transparency mask.
"""

import os
import struct
import sys

SIZE = 32

# File name, label, tile colour (r, g, b). The order is the order of the icon ids.
ICONS = [
    ("program.ico", "K", (0x1F, 0x4E, 0x9A)),
    ("demo_v1_30.ico", "30", (0xB0, 0x30, 0x20)),
    ("demo_stvef.ico", "EF", (0x2A, 0x7A, 0x3A)),
    ("demo_v1_17.ico", "17", (0xC0, 0x70, 0x10)),
    ("demo_v1_27h.ico", "27", (0x80, 0x30, 0x90)),
    ("demo_hl.ico", "HL", (0xD0, 0x90, 0x00)),
    ("demo_q2.ico", "Q2", (0x50, 0x50, 0x50)),
    ("demo_v1_31.ico", "31", (0x10, 0x80, 0x90)),
    ("demo_v1_32.ico", "32", (0xC0, 0x30, 0x80)),
]

# 3x5 glyphs, one string per row, '#' = ink.
FONT = {
    "K": ["#.#", "##.", "#..", "##.", "#.#"],
    "E": ["###", "#..", "##.", "#..", "###"],
    "F": ["###", "#..", "##.", "#..", "#.."],
    "H": ["#.#", "#.#", "###", "#.#", "#.#"],
    "L": ["#..", "#..", "#..", "#..", "###"],
    "Q": ["###", "#.#", "#.#", "###", "..#"],
    "0": ["###", "#.#", "#.#", "#.#", "###"],
    "1": [".#.", "##.", ".#.", ".#.", "###"],
    "2": ["###", "..#", "###", "#..", "###"],
    "3": ["###", "..#", ".##", "..#", "###"],
    "7": ["###", "..#", ".#.", ".#.", ".#."],
}


def render(label, colour):
    """Rows top to bottom of (r, g, b, a) pixels."""
    pixels = [[(0, 0, 0, 0)] * SIZE for _ in range(SIZE)]
    radius = 6
    for y in range(SIZE):
        for x in range(SIZE):
            # Rounded tile: cut the corners outside a quarter circle.
            cx = min(max(x, radius), SIZE - 1 - radius)
            cy = min(max(y, radius), SIZE - 1 - radius)
            if (x - cx) ** 2 + (y - cy) ** 2 > radius * radius:
                continue
            edge = x in (0, SIZE - 1) or y in (0, SIZE - 1)
            shade = 0.7 if edge else 1.0 - 0.25 * y / SIZE
            r, g, b = (int(c * shade) for c in colour)
            pixels[y][x] = (r, g, b, 255)
    scale = 3 if len(label) == 2 else 4
    width = len(label) * 3 * scale + (len(label) - 1) * scale
    left = (SIZE - width) // 2
    top = (SIZE - 5 * scale) // 2
    for i, ch in enumerate(label):
        glyph = FONT[ch]
        ox = left + i * 4 * scale
        for gy, row in enumerate(glyph):
            for gx, cell in enumerate(row):
                if cell != "#":
                    continue
                for dy in range(scale):
                    for dx in range(scale):
                        pixels[top + gy * scale + dy][ox + gx * scale + dx] = (255, 255, 255, 255)
    return pixels


def ico_bytes(pixels):
    xor = bytearray()
    for row in reversed(pixels):  # bottom-up
        for r, g, b, a in row:
            xor += bytes((b, g, r, a))
    mask = bytearray()
    for row in reversed(pixels):
        bits = 0
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits |= 1 << (31 - x)
        mask += struct.pack(">I", bits)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = header + xor + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 6 + 16)
    return directory + entry + image


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "ui", "art")
    os.makedirs(out_dir, exist_ok=True)
    for name, label, colour in ICONS:
        with open(os.path.join(out_dir, name), "wb") as f:
            f.write(ico_bytes(render(label, colour)))


if __name__ == "__main__":
    main()

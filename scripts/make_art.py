#!/usr/bin/env python3
"""Writes the two pictures of Kalvenmarque.exe into ui/art/ as 24-bit BMP files.

splash.bmp  the title banner of the start-up window (picSplash)
wow.bmp     the banner of the main window (picWow): emblem, title and a line of text
and each again at 144 and 192 DPI (splash_144.bmp, ...).

Plain Python, no imaging library: the shapes are computed per pixel (the emblem with
4x4 supersampling for smooth edges) and the lettering uses a 5x7 pixel font.
"""

import math
import os
import struct
import sys

# 5x7 glyphs, one string per row, '#' = ink.
FONT = {
    "A": [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "B": ["####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."],
    "D": ["####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."],
    "E": ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    "F": ["#####", "#....", "#....", "####.", "#....", "#....", "#...."],
    "G": [".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".###."],
    "H": ["#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "I": ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "#####"],
    "K": ["#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"],
    "L": ["#....", "#....", "#....", "#....", "#....", "#....", "#####"],
    "M": ["#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"],
    "N": ["#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"],
    "O": [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "P": ["####.", "#...#", "#...#", "####.", "#....", "#....", "#...."],
    "Q": [".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"],
    "R": ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    "S": [".####", "#....", "#....", ".###.", "....#", "....#", "####."],
    "T": ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    "U": ["#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "V": ["#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."],
    "W": ["#...#", "#...#", "#...#", "#.#.#", "#.#.#", "##.##", "#...#"],
    "X": ["#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"],
    "Y": ["#...#", "#...#", ".#.#.", "..#..", "..#..", "..#..", "..#.."],
    "0": [".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."],
    "1": ["..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."],
    "2": [".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"],
    "3": ["####.", "....#", "....#", ".###.", "....#", "....#", "####."],
    "6": [".###.", "#....", "#....", "####.", "#...#", "#...#", ".###."],
    ".": [".....", ".....", ".....", ".....", ".....", ".##..", ".##.."],
    "-": [".....", ".....", ".....", ".###.", ".....", ".....", "....."],
    " ": [".....", ".....", ".....", ".....", ".....", ".....", "....."],
}

TITLE_WHITE = (0xF4, 0xF6, 0xFA)
SHADOW = (0x06, 0x10, 0x22)
ACCENT = (0xF0, 0xA0, 0x30)
SUBTITLE = (0x9C, 0xC0, 0xF0)


def mix(a, b, t):
    t = max(0.0, min(1.0, t))
    return tuple(int(round(x + (y - x) * t)) for x, y in zip(a, b))


class Canvas:
    def __init__(self, width, height):
        self.width = width
        self.height = height
        self.rows = [[(0, 0, 0)] * width for _ in range(height)]

    def put(self, x, y, colour, alpha=1.0):
        if 0 <= x < self.width and 0 <= y < self.height and alpha > 0:
            self.rows[y][x] = mix(self.rows[y][x], colour, alpha)

    def gradient(self, top, bottom):
        for y in range(self.height):
            colour = mix(top, bottom, y / max(1, self.height - 1))
            self.rows[y] = [colour] * self.width

    def text_width(self, text, scale):
        return len(text) * 6 * scale - scale

    # Letters with a one-step shadow below and to the right, so they read on any shade.
    def text(self, x, y, text, scale, colour, shadow=True):
        for layer, (dx, dy, ink) in enumerate(((scale // 2 + 1, scale // 2 + 1, SHADOW), (0, 0, colour))):
            if layer == 0 and not shadow:
                continue
            for i, ch in enumerate(text):
                glyph = FONT[ch]
                ox = x + i * 6 * scale + dx
                for gy, row in enumerate(glyph):
                    for gx, cell in enumerate(row):
                        if cell != "#":
                            continue
                        for sy in range(scale):
                            for sx in range(scale):
                                self.put(ox + gx * scale + sx, y + dy + gy * scale + sy, ink,
                                         0.6 if layer == 0 else 1.0)

    # Shapes given as a coverage function of a point; 4x4 samples per pixel.
    def shape(self, left, top, size, inside, colour):
        for py in range(top, top + size):
            for px in range(left, left + size):
                hits = 0
                for sy in range(4):
                    for sx in range(4):
                        if inside(px + (sx + 0.5) / 4, py + (sy + 0.5) / 4):
                            hits += 1
                self.put(px, py, colour, hits / 16)

    # 8 bits per pixel, run-length encoded (BI_RLE8): the rows of a banner are mostly one
    # shade of its gradient, so the larger pictures cost a few kilobytes in the program
    # instead of hundreds. The 256 most used colours form the palette; the few others (the
    # edges of letters) take the nearest of them.
    def bmp_rle8_bytes(self):
        counts = {}
        for row in self.rows:
            for pixel in row:
                counts[pixel] = counts.get(pixel, 0) + 1
        palette = sorted(counts, key=lambda c: (-counts[c], c))[:256]
        index = {c: i for i, c in enumerate(palette)}

        def nearest(colour):
            if colour not in index:
                index[colour] = min(range(len(palette)), key=lambda i: sum(
                    (a - b) ** 2 for a, b in zip(palette[i], colour)))
            return index[colour]

        data = bytearray()
        for row in reversed(self.rows):  # bottom-up
            codes = [nearest(pixel) for pixel in row]
            i = 0
            while i < len(codes):
                j = i
                while j < len(codes) and codes[j] == codes[i] and j - i < 255:
                    j += 1
                data += bytes((j - i, codes[i]))
                i = j
            data += b"\0\0"  # end of line
        data[-1] = 1  # the last end of line becomes the end of the bitmap
        colours = bytearray()
        for r, g, b in palette + [(0, 0, 0)] * (256 - len(palette)):
            colours += bytes((b, g, r, 0))
        info = struct.pack("<IiiHHIIiiII", 40, self.width, self.height, 1, 8, 1, len(data),
                           2835, 2835, 256, 0)
        offset = 14 + len(info) + len(colours)
        header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
        return header + info + bytes(colours) + bytes(data)

    def bmp_bytes(self):
        stride = (self.width * 3 + 3) & ~3
        pixels = bytearray()
        for row in reversed(self.rows):  # bottom-up
            line = bytearray()
            for r, g, b in row:
                line += bytes((b, g, r))
            line += b"\0" * (stride - len(line))
            pixels += line
        info = struct.pack("<IiiHHIIiiII", 40, self.width, self.height, 1, 24, 0, len(pixels),
                           2835, 2835, 0, 0)
        header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
        return header + info + bytes(pixels)


def emblem(canvas, left, top, size):
    """A ring around a play triangle: the player's mark."""
    c = left + size / 2
    m = top + size / 2
    outer = size / 2 - 1
    inner = outer - max(3, size // 10)

    def ring(x, y):
        d = math.hypot(x - c, y - m)
        return inner <= d <= outer

    def disc(x, y):
        return math.hypot(x - c, y - m) < inner

    def triangle(x, y):
        # Pointing right, its centroid on the ring's centre.
        h = inner * 1.1
        x0 = c - h / 3
        x1 = c + 2 * h / 3
        if x < x0 or x > x1:
            return False
        half = (x1 - x) / (x1 - x0) * h * 0.58
        return abs(y - m) <= half

    canvas.shape(left, top, size, disc, (0x12, 0x2A, 0x52))
    canvas.shape(left, top, size, ring, ACCENT)
    canvas.shape(left, top, size, triangle, TITLE_WHITE)


def banner(width, height, top_colour, bottom_colour, title, subtitle, mark_size, zoom):
    """The banner as drawn at 96 DPI times zoom: every length grows, the letters stay whole
    pixels of the 5x7 font."""
    def z(length):
        return int(round(length * zoom))

    width, height, mark_size = z(width), z(height), z(mark_size)
    canvas = Canvas(width, height)
    canvas.gradient(top_colour, bottom_colour)
    # A thin accent line along the bottom edge.
    line = max(1, z(1))
    for y in range(height - z(3), height - z(3) + line):
        for x in range(width):
            canvas.put(x, y, ACCENT, 0.85)
    margin = (height - z(3) - mark_size) // 2
    emblem(canvas, margin + z(4), margin, mark_size)
    text_left = margin + z(4) + mark_size + z(12)
    room = width - text_left - z(8)
    scale = next(s for s in (z(4), z(3), 1) if canvas.text_width(title, s) <= room or s == 1)
    title_height = 7 * scale
    sub_scale = next(s for s in (z(2), z(1), 1) if canvas.text_width(subtitle, s) <= room or s == 1)
    gap = z(6)
    block = title_height + gap + 7 * sub_scale
    y = (height - z(3) - block) // 2
    canvas.text(text_left, y, title, scale, TITLE_WHITE)
    canvas.text(text_left + z(1), y + title_height + gap, subtitle, sub_scale, SUBTITLE,
                shadow=False)
    return canvas


# Each picture at 96 DPI and, for displays at 150 % and 200 %, at 144 and 192 DPI
# (name_144.bmp, name_192.bmp): the windows pick the one drawn for their scale.
BANNERS = [
    ("splash", lambda zoom: banner(366, 60, (0x0C, 0x1C, 0x36), (0x1F, 0x4E, 0x9A),
                                   "KALVENMARQUE", "DEMO PLAYER", 44, zoom)),
    ("wow", lambda zoom: banner(429, 64, (0x10, 0x24, 0x44), (0x24, 0x58, 0xA8),
                                "KALVENMARQUE", "SIX GAMES - ONE DEMO PLAYER", 48, zoom)),
]
# The pictures at 96 DPI stay as they always were, 24 bits per pixel.
SCALES = [("", 1.0, "bmp_bytes"), ("_144", 1.5, "bmp_rle8_bytes"),
          ("_192", 2.0, "bmp_rle8_bytes")]
PICTURES = [(name + suffix + ".bmp",
             (lambda draw, zoom, form: lambda: getattr(draw(zoom), form)())(draw, zoom, form))
            for name, draw in BANNERS for suffix, zoom, form in SCALES]


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "ui", "art")
    os.makedirs(out_dir, exist_ok=True)
    for name, draw in PICTURES:
        with open(os.path.join(out_dir, name), "wb") as f:
            f.write(draw())


if __name__ == "__main__":
    main()

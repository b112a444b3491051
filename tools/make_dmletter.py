#!/usr/bin/env python3
"""Draws the marquee's glyph sheet from its dot patterns.

Reads resources/glyphs/dmletter.txt and writes resources/dmletter.png: a 737 x 95 image with a
16-colour palette, 67 glyph cells of 11 x 19 pixels in five colour rows (green, red, yellow,
cyan, white). Each lit dot is one pixel on a 2-pixel pitch (x = 1, 3, .. 9; y = 1, 3, .. 17).
Only the standard library is used, and the output is byte-for-byte repeatable.

    python3 tools/make_dmletter.py [patterns.txt] [sheet.png]
"""

import os
import struct
import sys
import zlib

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
CELL_W, CELL_H = 11, 19
GLYPHS = 67
DOTS_ACROSS, DOTS_DOWN = 5, 9

# Sheet order; the blank and the backslash are spelt out in the pattern file's headers.
ORDER = list("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789:.+-$") + ["blank"] + list("!@#%&*()=") + \
    ["backslash"] + list("/?;\",'^_|{}[]<>")

# The classic 16-colour palette; the colour rows use its bright entries.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
    (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
    (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
ROW_COLOURS = [10, 9, 11, 14, 15]  # green, red, yellow, cyan, white


def read_patterns(path):
    glyphs = []
    current = None
    with open(path, encoding="utf-8") as f:
        for number, raw in enumerate(f, 1):
            line = raw.rstrip("\n")
            where = f"{path}:{number}"
            if not line or line.startswith(";"):
                continue
            if line.startswith("= "):
                parts = line.split(" ", 2)
                if len(parts) != 3 or parts[1] != str(len(glyphs)):
                    sys.exit(f"{where}: expected header '= {len(glyphs)} <name>'")
                if len(glyphs) >= GLYPHS or parts[2] != ORDER[len(glyphs)]:
                    sys.exit(f"{where}: glyph {len(glyphs)} should be '{ORDER[len(glyphs)]}'")
                current = []
                glyphs.append(current)
                continue
            if current is None or len(line) != DOTS_ACROSS or set(line) - set(".#"):
                sys.exit(f"{where}: expected a row of {DOTS_ACROSS} '.' or '#'")
            if len(current) == DOTS_DOWN:
                sys.exit(f"{where}: more than {DOTS_DOWN} rows")
            current.append(line)
    if len(glyphs) != GLYPHS or any(len(g) != DOTS_DOWN for g in glyphs):
        sys.exit(f"{path}: need {GLYPHS} glyphs of {DOTS_DOWN} rows each")
    return glyphs


def png_chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def write_sheet(glyphs, path):
    width, height = CELL_W * GLYPHS, CELL_H * len(ROW_COLOURS)
    pixels = [[0] * width for _ in range(height)]
    for row, colour in enumerate(ROW_COLOURS):
        for index, glyph in enumerate(glyphs):
            for dy, dots in enumerate(glyph):
                for dx, dot in enumerate(dots):
                    if dot == "#":
                        pixels[row * CELL_H + 1 + 2 * dy][index * CELL_W + 1 + 2 * dx] = colour
    raw = bytearray()
    for line in pixels:
        raw.append(0)  # filter: none
        padded = line + [0] * (len(line) % 2)
        raw.extend((padded[i] << 4) | padded[i + 1] for i in range(0, len(padded), 2))
    png = b"\x89PNG\r\n\x1a\n"
    png += png_chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 4, 3, 0, 0, 0))
    png += png_chunk(b"PLTE", b"".join(bytes(c) for c in PALETTE))
    png += png_chunk(b"IDAT", zlib.compress(bytes(raw), 9))
    png += png_chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


def main():
    source = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "resources", "glyphs", "dmletter.txt")
    target = sys.argv[2] if len(sys.argv) > 2 else os.path.join(ROOT, "resources", "dmletter.png")
    write_sheet(read_patterns(source), target)


if __name__ == "__main__":
    main()

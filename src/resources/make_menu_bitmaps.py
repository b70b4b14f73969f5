#!/usr/bin/env python3
"""Draws the three 16 x 16 menu bitmaps of the module: a file (150, 24-bit), a folder (152, 24-bit) and a
convert symbol (163, 8-bit with a palette).

The build runs this script and compiles its output into the DLL (src/module/CMakeLists.txt), so only
the script is kept in the repository:  make_menu_bitmaps.py OUTPUT_FOLDER
The background is white, the colour of a menu.
"""
import struct
import sys
from pathlib import Path

SIZE = 16

COLOURS = {
    ".": (255, 255, 255),  # background
    "k": (64, 64, 64),     # outline
    "w": (236, 241, 248),  # paper
    "g": (176, 176, 176),  # folded corner
    "b": (70, 110, 190),   # lines of text
    "o": (214, 160, 40),   # back of the folder
    "y": (248, 208, 88),   # front of the folder
    "h": (252, 232, 160),  # lit edge of the front
    "G": (30, 140, 60),    # arrows
}

FILE = [
    "................",
    "..kkkkkkkkk.....",
    "..kwwwwwwwkk....",
    "..kwwwwwwwkgk...",
    "..kwbbbbbwkggk..",
    "..kwwwwwwwkkkkk.",
    "..kwbbbbbbbbbwk.",
    "..kwwwwwwwwwwwk.",
    "..kwbbbbbbbbbwk.",
    "..kwwwwwwwwwwwk.",
    "..kwbbbbbbbbbwk.",
    "..kwwwwwwwwwwwk.",
    "..kwbbbbbbbwwwk.",
    "..kwwwwwwwwwwwk.",
    "..kkkkkkkkkkkkk.",
    "................",
]

FOLDER = [
    "................",
    "................",
    ".kkkkk..........",
    "koooook.........",
    "kooooookkkkkkkk.",
    "koooooooooooook.",
    "kkkkkkkkkkkkkkk.",
    "khhhhhhhhhhhhhk.",
    "kyyyyyyyyyyyyyk.",
    "kyyyyyyyyyyyyyk.",
    "kyyyyyyyyyyyyyk.",
    "kyyyyyyyyyyyyyk.",
    "kyyyyyyyyyyyyyk.",
    "kkkkkkkkkkkkkkk.",
    "................",
    "................",
]


# Two arrows chasing each other round a circle; the lower half is the upper half turned half a circle.
CONVERT_TOP = [
    "................",
    "......GGGG......",
    "....GGGGGGGG....",
    "...GGG....GGG...",
    "..GGG......GGG..",
    "..GG........GG..",
    "..........GGGGGG",
    "..GG.......GGGG.",
]
CONVERT = CONVERT_TOP + [line[::-1] for line in reversed(CONVERT_TOP)]


def pixels(picture):
    assert len(picture) == SIZE and all(len(line) == SIZE for line in picture)
    return [[COLOURS[c] for c in line] for line in reversed(picture)]  # bottom row first


def bitmap_file(bits, palette, rows):
    info = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, bits, 0, len(rows), 2835, 2835, len(palette) // 4,
                       len(palette) // 4)
    offset = 14 + len(info) + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(rows), 0, 0, offset)
    return header + info + palette + rows


def true_colour(picture):
    rows = b"".join(bytes(v for rgb in line for v in reversed(rgb)) for line in pixels(picture))
    return bitmap_file(24, b"", rows)


def palette_colour(picture):
    colours = sorted(set(COLOURS.values()))
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in colours) + bytes(4 * (256 - len(colours)))
    rows = b"".join(bytes(colours.index(rgb) for rgb in line) for line in pixels(picture))
    return bitmap_file(8, palette, rows)


def main():
    folder = Path(sys.argv[1])
    folder.mkdir(parents=True, exist_ok=True)
    (folder / "menu-file.bmp").write_bytes(true_colour(FILE))
    (folder / "menu-folder.bmp").write_bytes(true_colour(FOLDER))
    (folder / "menu-convert.bmp").write_bytes(palette_colour(CONVERT))


if __name__ == "__main__":
    main()

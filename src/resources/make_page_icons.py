#!/usr/bin/env python3
"""Draws the two icons of the property page: a secured file (166: 48, 32, 24 and 16 pixels, each in 8-bit
colour and in full colour) and a secured folder (165: the same four sizes in full colour only). Full
colour is 32-bit with an alpha channel, except the 32-pixel image, which is 24-bit with a mask.

The build runs this script and compiles its output into the DLL (src/module/CMakeLists.txt), so only
the script is kept in the repository:  make_page_icons.py OUTPUT_FOLDER

Each picture is a list of shapes on a 48-unit square, painted in order and scaled to every size: an
outlined paper or folder, and a padlock in front of it.
"""
import math
import struct
import sys
from pathlib import Path

GRID = 48.0
SUPERSAMPLE = 4  # per axis, for the edges of the images with an alpha channel

OUTLINE = (64, 64, 64)
PAPER = (236, 241, 248)
CORNER = (176, 176, 176)
TEXT = (70, 110, 190)
FOLDER_BACK = (214, 160, 40)
FOLDER_FRONT = (248, 208, 88)
LOCK_BODY = (200, 150, 30)
SHACKLE = (120, 120, 130)
KEYHOLE = (40, 40, 40)


def inside_polygon(points, x, y):
    inside = False
    for (x1, y1), (x2, y2) in zip(points, points[1:] + points[:1]):
        if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
            inside = not inside
    return inside


def edge_distance(points, x, y):
    best = math.inf
    for (x1, y1), (x2, y2) in zip(points, points[1:] + points[:1]):
        dx, dy = x2 - x1, y2 - y1
        t = max(0.0, min(1.0, ((x - x1) * dx + (y - y1) * dy) / (dx * dx + dy * dy)))
        best = min(best, math.hypot(x - x1 - t * dx, y - y1 - t * dy))
    return best


def framed(points, fill):
    """A polygon filled with `fill` inside an outline about one pixel wide at every size."""
    def colour(x, y, frame):
        if not inside_polygon(points, x, y):
            return None
        return OUTLINE if edge_distance(points, x, y) < frame else fill
    return colour


def filled(points, fill):
    def colour(x, y, frame):
        return fill if inside_polygon(points, x, y) else None
    return colour


def box(left, top, right, bottom):
    return [(left, top), (right, top), (right, bottom), (left, bottom)]


def shackle(cx, cy, inner, outer):
    """The upper half of a ring, with straight legs down to the lock's body."""
    def colour(x, y, frame):
        r = math.hypot(x - cx, y - cy)
        leg = y >= cy and y <= cy + 4 and (cx - outer <= x <= cx - inner or cx + inner <= x <= cx + outer)
        return SHACKLE if (y < cy and inner <= r <= outer) or leg else None
    return colour


def circle(cx, cy, radius, fill):
    def colour(x, y, frame):
        return fill if math.hypot(x - cx, y - cy) <= radius else None
    return colour


PADLOCK = [
    shackle(34, 30, 3.5, 6.5),
    framed(box(25, 32, 43, 46), LOCK_BODY),
    circle(34, 37.5, 2.2, KEYHOLE),
    filled(box(33.2, 37.5, 34.8, 42.5), KEYHOLE),
]

SECURED_FILE = [
    framed([(7, 2), (29, 2), (39, 12), (39, 46), (7, 46)], PAPER),
    framed([(29, 2), (39, 12), (29, 12)], CORNER),
] + [filled(box(12, y, right, y + 2.4), TEXT) for y, right in ((9, 25), (16, 34), (23, 34), (30, 22))] + PADLOCK

SECURED_FOLDER = [
    framed([(2, 8), (16, 8), (20, 12), (44, 12), (44, 20), (2, 20)], FOLDER_BACK),
    framed(box(2, 16, 44, 42), FOLDER_FRONT),
] + PADLOCK


def render_sample(picture, x, y, frame):
    colour = None
    for shape in picture:
        colour = shape(x, y, frame) or colour
    return colour


def render(picture, size, smooth):
    """Rows from the top of (r, g, b, alpha); without `smooth` every pixel is wholly one shape's colour."""
    scale = GRID / size
    frame = max(1.0, size / 24.0) * scale
    steps = SUPERSAMPLE if smooth else 1
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            samples = [render_sample(picture, (px + (sx + 0.5) / steps) * scale, (py + (sy + 0.5) / steps) * scale,
                                     frame) for sy in range(steps) for sx in range(steps)]
            covered = [s for s in samples if s is not None]
            if not covered:
                row.append((0, 0, 0, 0))
                continue
            average = tuple(round(sum(c[i] for c in covered) / len(covered)) for i in range(3))
            row.append(average + (round(255 * len(covered) / len(samples)),))
        rows.append(row)
    return rows


def padded(data, alignment=4):
    return data + bytes(-len(data) % alignment)


def mask_rows(rows):
    """The AND mask, bottom row first: a set bit is a transparent pixel."""
    result = b""
    for row in reversed(rows):
        bits = 0
        for pixel in row:
            bits = (bits << 1) | (pixel[3] == 0)
        bits <<= -len(row) % 8
        result += padded(bits.to_bytes((len(row) + 7) // 8, "big"))
    return result


def dib(rows, bits, palette=b""):
    size = len(rows)
    if bits == 32:
        colour = b"".join(bytes((b, g, r, a)) for row in reversed(rows) for r, g, b, a in row)
    elif bits == 24:
        colour = b"".join(padded(b"".join(bytes((b, g, r)) for r, g, b, _ in row)) for row in reversed(rows))
    else:
        colours = palette_colours(rows)
        colour = b"".join(padded(bytes(colours.index(p[:3]) for p in row)) for row in reversed(rows))
    image = colour + mask_rows(rows)
    used = len(palette) // 4
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, bits, 0, len(image), 0, 0, used, 0)
    return header + palette + image


def palette_colours(rows):
    """The colours of an unsmoothed rendering (transparent pixels are black), in sorted order."""
    return sorted({p[:3] for row in rows for p in row})


def image(picture, size, bits):
    rows = render(picture, size, smooth=bits == 32)
    palette = b""
    if bits == 8:
        colours = palette_colours(rows)
        palette = b"".join(bytes((b, g, r, 0)) for r, g, b in colours) + bytes(4 * (256 - len(colours)))
    return dib(rows, bits, palette)


def icon_file(picture, images):
    entries = b""
    data = b""
    offset = 6 + 16 * len(images)
    for size, bits in images:
        bitmap = image(picture, size, bits)
        entries += struct.pack("<BBBBHHII", size, size, 0, 0, 1, bits, len(bitmap), offset + len(data))
        data += bitmap
    return struct.pack("<HHH", 0, 1, len(images)) + entries + data


# Full colour at each size: 32-bit, but 24-bit at 32 pixels.
FULL_COLOUR = [(48, 32), (32, 24), (24, 32), (16, 32)]
EIGHT_BIT = [(size, 8) for size, _ in FULL_COLOUR]


def main():
    folder = Path(sys.argv[1])
    folder.mkdir(parents=True, exist_ok=True)
    (folder / "page-file.ico").write_bytes(icon_file(SECURED_FILE, EIGHT_BIT + FULL_COLOUR))
    (folder / "page-folder.ico").write_bytes(icon_file(SECURED_FOLDER, FULL_COLOUR))


if __name__ == "__main__":
    main()

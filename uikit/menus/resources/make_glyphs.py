#!/usr/bin/env python3
"""Draws the menus' glyph bitmaps: the sub-menu arrow, the check mark and the radio dot.

Names and sizes are the ones the menu glyphs load: ADVSUBMENUITEM (4 x 7, 1 bit), ADVCHECKITEM and
ADVRADIOITEM (16 x 16, 1 bit), each also at 1.5x ("x15": the arrow 6 x 10 in 24 bits, the marks
24 x 24 in 8-bit grey) and 2x ("x20": 8 x 14 in 24 bits, 32 x 32 in 8-bit grey). Black or grey
shapes on white, the bottom-left pixel white: the colour the menus leave out.

Run from this folder: python3 make_glyphs.py (writes the .bmp files beside it).
"""
import math
import struct


def coverage(width, height, inside, samples=4):
    """Fraction of each pixel inside the shape, by supersampling."""
    rows = []
    for y in range(height):
        row = []
        for x in range(width):
            hits = 0
            for sy in range(samples):
                for sx in range(samples):
                    if inside(x + (sx + 0.5) / samples, y + (sy + 0.5) / samples):
                        hits += 1
            row.append(hits / (samples * samples))
        rows.append(row)
    return rows


def arrow(width, height):
    # A right-pointing triangle; the first column and the corners stay white, so the bottom-left
    # pixel (the colour left out) is the ground.
    def inside(x, y):
        half = height / 2
        return x >= 1 and x - 1 <= (width - 1) * (1 - abs(y - half) / (half - 0.5))
    return inside


def check(size):
    s = size / 16
    a, b, c = (4 * s, 8 * s), (7 * s, 11 * s), (12 * s, 5 * s)
    thick = 1.3 * s

    def dist(p, q, x, y):
        px, py = q[0] - p[0], q[1] - p[1]
        t = max(0, min(1, ((x - p[0]) * px + (y - p[1]) * py) / (px * px + py * py)))
        return math.hypot(x - p[0] - t * px, y - p[1] - t * py)
    return lambda x, y: min(dist(a, b, x, y), dist(b, c, x, y)) <= thick


def radio(size):
    r = size * 3 / 16
    return lambda x, y: math.hypot(x - size / 2, y - size / 2) <= r


def header(width, height, bits, colours, data):
    palette = b"".join(struct.pack("BBBB", v, v, v, 0) for v in colours)
    offset = 54 + len(palette)
    return (struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
            + struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(data), 2835, 2835,
                          len(colours), 0)
            + palette)


def write_1bit(name, rows):
    h, w = len(rows), len(rows[0])
    stride = ((w + 31) // 32) * 4
    data = b""
    for row in reversed(rows):
        line = bytearray(stride)
        for x, value in enumerate(row):
            if value < 0.5:  # white: bit set (palette index 1)
                line[x // 8] |= 0x80 >> (x % 8)
        data += bytes(line)
    with open(name + ".bmp", "wb") as f:
        f.write(header(w, h, 1, [0, 255], data) + data)


def write_grey(name, rows):
    h, w = len(rows), len(rows[0])
    stride = (w + 3) & ~3
    data = b""
    for row in reversed(rows):
        line = bytes(round(255 * (1 - v)) for v in row)
        data += line + b"\0" * (stride - len(line))
    with open(name + ".bmp", "wb") as f:
        f.write(header(w, h, 8, list(range(256)), data) + data)


def write_24(name, rows):
    h, w = len(rows), len(rows[0])
    stride = (w * 3 + 3) & ~3
    data = b""
    for row in reversed(rows):
        line = b"".join(bytes([round(255 * (1 - v))] * 3) for v in row)
        data += line + b"\0" * (stride - len(line))
    with open(name + ".bmp", "wb") as f:
        f.write(struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
                + struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(data), 2835, 2835, 0, 0) + data)


write_1bit("ADVSUBMENUITEM", coverage(4, 7, arrow(4, 7)))
write_24("ADVSUBMENUITEMx15", coverage(6, 10, arrow(6, 10)))
write_24("ADVSUBMENUITEMx20", coverage(8, 14, arrow(8, 14)))
for base, shape in (("ADVCHECKITEM", check), ("ADVRADIOITEM", radio)):
    write_1bit(base, coverage(16, 16, shape(16)))
    write_grey(base + "x15", coverage(24, 24, shape(24)))
    write_grey(base + "x20", coverage(32, 32, shape(32)))

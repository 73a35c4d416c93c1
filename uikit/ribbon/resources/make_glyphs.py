#!/usr/bin/env python3
"""Draws the ribbon's button bitmaps.

ATBHELP_BTN (16 x 16, the classic help button: a blue disc with a white question mark),
ATBHELP_BTN2 (16 x 16, the same in the flat looks' grey) and ATBHELPHD_BTN (32 x 32) in 8 bits;
the expand/collapse glyphs ATBECUP_BTN (expanded: a chevron up), ATBECDOWN_BTN (collapsed: a
chevron down) and ATBECNCH_BTN (the floating ribbon shows: a pin) in 24 bits, in dark grey for the
classic look, in a lighter grey with the suffix F for the flat looks, and at 32 x 32 in 8 bits with
the suffix HD; the MDI child buttons on glass ATBECCLOSE, ATBECMIN (11 x 11) and ATBECMAX
(12 x 12) in 8 bits. Every bitmap has a magenta ground, the bottom-left pixel drawing leaves out.

Run from this folder: python3 make_glyphs.py (writes the .bmp files beside it).
"""
import math
import struct

GROUND = (255, 0, 255)


def supersample(size, inside, samples=4):
    """Fraction of each pixel inside the shape."""
    rows = []
    for y in range(size[1]):
        row = []
        for x in range(size[0]):
            hits = sum(inside(x + (sx + 0.5) / samples, y + (sy + 0.5) / samples)
                       for sy in range(samples) for sx in range(samples))
            row.append(hits / (samples * samples))
        rows.append(row)
    return rows


def seg_dist(p, q, x, y):
    px, py = q[0] - p[0], q[1] - p[1]
    t = max(0.0, min(1.0, ((x - p[0]) * px + (y - p[1]) * py) / (px * px + py * py)))
    return math.hypot(x - p[0] - t * px, y - p[1] - t * py)


def polyline(points, thick):
    return lambda x, y: min(seg_dist(points[i], points[i + 1], x, y) for i in range(len(points) - 1)) <= thick


def scaled(points, s):
    return [(a * s, b * s) for a, b in points]


def question(size):
    s = size / 16
    hook = polyline(scaled([(5.6, 6.2), (6.2, 4.6), (8, 4), (9.8, 4.6), (10.4, 6.2), (9.6, 7.6), (8, 8.6),
                            (8, 9.8)], s), 1.0 * s)
    return lambda x, y: hook(x, y) or math.hypot(x - 8 * s, y - 12 * s) <= 1.1 * s


def disc(size):
    return lambda x, y: math.hypot(x - size / 2, y - size / 2) <= size / 2 - 0.6


def chevron(size, up):
    s = size / 16
    pts = [(4.5, 10), (8, 6.5), (11.5, 10)] if up else [(4.5, 6.5), (8, 10), (11.5, 6.5)]
    return polyline(scaled(pts, s), 1.0 * s)


def pin(size):
    s = size / 16
    head = polyline(scaled([(6, 3.5), (10, 3.5)], s), 1.0 * s)
    body = lambda x, y: 6.5 * s <= x <= 9.5 * s and 3.5 * s <= y <= 9 * s
    foot = polyline(scaled([(4.5, 9), (11.5, 9)], s), 0.9 * s)
    needle = polyline(scaled([(8, 9), (8, 13)], s), 0.6 * s)
    return lambda x, y: head(x, y) or body(x, y) or foot(x, y) or needle(x, y)


def cross(size):
    first = polyline([(2.5, 2.5), (size - 2.5, size - 2.5)], 0.9)
    second = polyline([(2.5, size - 2.5), (size - 2.5, 2.5)], 0.9)
    return lambda x, y: first(x, y) or second(x, y)


def dash(size):
    return lambda x, y: 2 <= x <= size - 2 and size - 4 <= y <= size - 2.5


def box(size):
    return lambda x, y: (1.5 <= x <= size - 1.5 and 1.5 <= y <= size - 1.5) and not (
        2.5 <= x <= size - 2.5 and 4 <= y <= size - 2.5)


def mix(a, b, t):
    return tuple(round(a[i] * (1 - t) + b[i] * t) for i in range(3))


def paint(size, layers):
    """Layers of (shape, colour) over the magenta ground; a pixel partly covered by the first
    layer mixes towards white, so no magenta fringe remains."""
    w, h = size
    pixels = [[GROUND] * w for _ in range(h)]
    for index, (shape, colour) in enumerate(layers):
        cover = supersample(size, shape)
        for y in range(h):
            for x in range(w):
                c = cover[y][x]
                if c <= 0:
                    continue
                under = pixels[y][x]
                if under == GROUND:
                    under = (255, 255, 255) if index == 0 else colour
                pixels[y][x] = colour if c >= 1 else mix(under, colour, c)
    # The bottom-left pixel is the ground drawing leaves out.
    pixels[h - 1][0] = GROUND
    return pixels


def write(name, pixels, bits):
    h, w = len(pixels), len(pixels[0])
    if bits == 8:
        palette = sorted(set(p for row in pixels for p in row))
        assert len(palette) <= 256
        index = {p: i for i, p in enumerate(palette)}
        stride = (w + 3) & ~3
        data = b"".join(bytes(index[p] for p in row) + b"\0" * (stride - w) for row in reversed(pixels))
        table = b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in palette)
        colours = len(palette)
    else:
        stride = (w * 3 + 3) & ~3
        data = b"".join(b"".join(bytes((b, g, r)) for r, g, b in row) + b"\0" * (stride - w * 3)
                        for row in reversed(pixels))
        table = b""
        colours = 0
    offset = 54 + len(table)
    with open(name + ".bmp", "wb") as f:
        f.write(struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
                + struct.pack("<IiiHHIIiiII", 40, w, h, 1, bits, 0, len(data), 2835, 2835, colours, 0)
                + table + data)


BLUE, GREY, WHITE = (40, 100, 200), (110, 110, 110), (255, 255, 255)
DARK, LIGHT = (70, 70, 70), (120, 120, 120)

for name, size, colour in (("ATBHELP_BTN", 16, BLUE), ("ATBHELP_BTN2", 16, GREY), ("ATBHELPHD_BTN", 32, BLUE)):
    write(name, paint((size, size), [(disc(size), colour), (question(size), WHITE)]), 8)

for suffix, size, colour, bits in (("", 16, DARK, 24), ("F", 16, LIGHT, 24), ("HD", 32, DARK, 8)):
    write("ATBECUP" + suffix + "_BTN", paint((size, size), [(chevron(size, True), colour)]), bits)
    write("ATBECDOWN" + suffix + "_BTN", paint((size, size), [(chevron(size, False), colour)]), bits)
    write("ATBECNCH" + suffix + "_BTN", paint((size, size), [(pin(size), colour)]), bits)

write("ATBECCLOSE", paint((11, 11), [(cross(11), DARK)]), 8)
write("ATBECMIN", paint((11, 11), [(dash(11), DARK)]), 8)
write("ATBECMAX", paint((12, 12), [(box(12), DARK)]), 8)

#!/usr/bin/env python3
"""Draws the task dialog form's bitmaps: 8 bits per pixel, magenta (FF00FF) transparent.

    TD_COLP, TD_COLPHOT, TD_COLPDOWN   19 x 19  expander while the text is shown (chevron up)
    TD_EXP, TD_EXPHOT, TD_EXPDOWN      19 x 19  expander while the text is hidden (chevron down)
    TD_ARW, TD_ARWHOT, TD_ARWDOWN, TD_ARWDIS   16 x 16  command-link arrow
    TD_SHIELD                          32 x 32  the elevation shield

Run from this folder: python3 make_dialog_bitmaps.py (writes the .bmp files beside it).
"""
import math
import struct

KEY = (255, 0, 255)


def write_bmp(name, pixels):
    height = len(pixels)
    width = len(pixels[0])
    palette = []
    for row in pixels:
        for c in row:
            if c not in palette:
                palette.append(c)
    assert len(palette) <= 256, name
    palette += [(0, 0, 0)] * (256 - len(palette))
    stride = (width + 3) & ~3
    image = bytearray()
    for row in reversed(pixels):
        line = bytes(palette.index(c) for c in row)
        image += line + b"\0" * (stride - width)
    header_size = 14 + 40 + 256 * 4
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, len(image), 2835, 2835, 256, 0)
    pal = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    file_header = struct.pack("<2sIHHI", b"BM", header_size + len(image), 0, 0, header_size)
    with open(name + ".bmp", "wb") as f:
        f.write(file_header + info + pal + image)


def blend(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def expander(up, face, ring, chevron):
    size = 19
    c = (size - 1) / 2
    px = [[KEY] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            d = math.hypot(x - c, y - c)
            if d <= 8.6:
                # a soft vertical shade on the face, the ring at its rim
                px[y][x] = ring if d > 7.6 else blend(face, (255, 255, 255), 0.35 * (1 - y / size))
    # the chevron: two strokes two pixels wide
    for i in range(-4, 5):
        for w in (0, 1):
            dy = abs(i) - 2 + w
            y = int(c + dy) if up else int(c - dy)
            x = int(c + i)
            px[y][x] = chevron
    return px


def outlined(px, edge):
    """The figure with its rim pixels (those next to the transparent key or the border) in edge."""
    size_y, size_x = len(px), len(px[0])
    out = [row[:] for row in px]
    for y in range(size_y):
        for x in range(size_x):
            if px[y][x] == KEY:
                continue
            for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                nx, ny = x + dx, y + dy
                if not (0 <= nx < size_x and 0 <= ny < size_y) or px[ny][nx] == KEY:
                    out[y][x] = edge
                    break
    return out


def arrow(body, edge):
    size = 16
    px = [[KEY] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            shaft = 2 <= x <= 8 and 6 <= y <= 9
            head = x >= 8 and abs(y - 7.5) <= (14 - x) * 0.95 and x <= 14
            if shaft or head:
                px[y][x] = body
    return outlined(px, edge)


def shield():
    size = 32
    px = [[KEY] * size for _ in range(size)]
    blue, blue_dark = (40, 96, 200), (24, 64, 150)
    gold, gold_dark = (250, 200, 40), (210, 160, 20)
    edge = (40, 40, 60)
    cx = 15.5

    def inside(x, y):
        if y < 2 or y > 30:
            return False
        half = 13 if y < 17 else 13 * math.sqrt(max(0.0, 1 - ((y - 17) / 14) ** 2))
        top_dip = 1.5 * math.cos((x - cx) / 13 * math.pi / 2) if y < 5 else 0
        return abs(x - cx) <= half and y >= 2 + (1.5 - top_dip)

    for y in range(size):
        for x in range(size):
            if not inside(x, y):
                continue
            left, upper = x < cx, y < 16
            if left == upper:
                colour = blend(blue, blue_dark, y / size)
            else:
                colour = blend(gold, gold_dark, y / size)
            px[y][x] = colour
    return outlined(px, edge)


states = {
    "": ((238, 238, 238), (160, 160, 160), (70, 70, 70)),
    "HOT": ((225, 238, 250), (90, 150, 210), (30, 80, 160)),
    "DOWN": ((200, 220, 240), (50, 110, 180), (20, 60, 130)),
}
for suffix, (face, ring, chevron) in states.items():
    write_bmp("TD_COLP" + suffix, expander(True, face, ring, chevron))
    write_bmp("TD_EXP" + suffix, expander(False, face, ring, chevron))
write_bmp("TD_ARW", arrow((40, 160, 60), (20, 100, 40)))
write_bmp("TD_ARWHOT", arrow((70, 200, 90), (30, 130, 50)))
write_bmp("TD_ARWDOWN", arrow((30, 130, 50), (15, 80, 30)))
write_bmp("TD_ARWDIS", arrow((180, 180, 180), (140, 140, 140)))
write_bmp("TD_SHIELD", shield())

#!/usr/bin/env python3
"""Draws the kit's bitmaps; magenta (FF00FF) is the colour the controls leave out.

The group box caption's check box, 13 x 13, 24 bits per pixel, key colour in the bottom-left pixel:
RujGRPU, RujGRPC, RujGRPG (unchecked, checked, grayed), each also with the suffix H (hot) and D
(down). The Office radio button's glyph, 12 x 12, 24 bits: RujOFRU, RujOFRC, with H and D.

Run from this folder: python3 make_bitmaps.py (writes the .bmp files beside it).
"""
import math
import struct

KEY = (255, 0, 255)
LOOKS = {  # border, face: normal, hot, down
    "": ((112, 112, 112), (255, 255, 255)),
    "H": ((60, 127, 177), (229, 241, 251)),
    "D": ((44, 98, 139), (204, 228, 247)),
}
MARK = (32, 32, 32)


def write_bmp24(name, pixels):
    h, w = len(pixels), len(pixels[0])
    stride = (w * 3 + 3) & ~3
    data = b""
    for row in reversed(pixels):
        line = b"".join(struct.pack("BBB", b, g, r) for r, g, b in row)
        data += line + b"\0" * (stride - len(line))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(name + ".bmp", "wb") as f:
        f.write(header + info + data)


def check_box(state, look):
    border, face = LOOKS[look]
    px = [[KEY] * 13 for _ in range(13)]
    for y in range(12):
        for x in range(12):
            px[y][x] = border if x in (0, 11) or y in (0, 11) else face
    if state == "C":  # a tick
        for x, y in ((3, 6), (4, 7), (5, 8), (6, 7), (7, 6), (8, 5), (9, 4)):
            px[y][x] = px[y - 1][x] = MARK
    elif state == "G":  # the mixed mark
        for y in range(4, 8):
            for x in range(4, 8):
                px[y][x] = MARK
    return px


def radio(state, look):
    border, face = LOOKS[look]
    px = [[KEY] * 12 for _ in range(12)]
    for y in range(12):
        for x in range(12):
            d = math.hypot(x - 5.5, y - 5.5)
            if d <= 5.6:
                px[y][x] = border if d > 4.6 else face
            if state == "C" and d <= 2.3:
                px[y][x] = MARK
    return px


for state in "UCG":
    for look in ("", "H", "D"):
        write_bmp24("RujGRP" + state + look, check_box(state, look))
for state in "UC":
    for look in ("", "H", "D"):
        write_bmp24("RujOFR" + state + look, radio(state, look))

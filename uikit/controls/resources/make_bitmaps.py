#!/usr/bin/env python3
"""Draws the kit's bitmaps; magenta (FF00FF) is the colour the controls leave out.

The group box caption's check box, 13 x 13, 24 bits per pixel, key colour in the bottom-left pixel:
RujGRPU, RujGRPC, RujGRPG (unchecked, checked, grayed), each also with the suffix H (hot) and D
(down). The Office radio button's glyph, 12 x 12, 24 bits: RujOFRU, RujOFRC, with H and D.

The task dialog form's, 8 bits per pixel:

    TD_COLP, TD_COLPHOT, TD_COLPDOWN   19 x 19  expander while the text is shown (chevron up)
    TD_EXP, TD_EXPHOT, TD_EXPDOWN      19 x 19  expander while the text is hidden (chevron down)
    TD_ARW, TD_ARWHOT, TD_ARWDOWN, TD_ARWDIS   16 x 16  command-link arrow
    TD_SHIELD                          32 x 32  the elevation shield

The data-aware glow button's glyphs, 16 x 16 in 16 colours: DBIMGFIRST, DBIMGPRIOR, DBIMGNEXT,
DBIMGLAST, DBIMGINSERT, DBIMGDELETE, DBIMGEDIT, DBIMGPOST, DBIMGCANCEL, DBIMGREFRESH, and each with
the suffix D for the disabled button.

Run from this folder: python3 make_bitmaps.py (writes the .bmp files beside it).
"""
import math
import struct

KEY = (255, 0, 255)


def write_bmp(name, pixels, bits=8):
    height = len(pixels)
    width = len(pixels[0])
    if bits == 24:
        return write_bmp24(name, pixels)
    palette = []
    for row in pixels:
        for c in row:
            if c not in palette:
                palette.append(c)
    colours = 1 << bits
    assert len(palette) <= colours, name
    palette += [(0, 0, 0)] * (colours - len(palette))
    stride = ((width * bits + 31) // 32) * 4
    image = bytearray()
    for row in reversed(pixels):
        indices = [palette.index(c) for c in row]
        if bits == 4:
            indices += [0] * (len(indices) % 2)
            line = bytes((indices[i] << 4) | indices[i + 1] for i in range(0, len(indices), 2))
        else:
            line = bytes(indices)
        image += line + b"\0" * (stride - len(line))
    header_size = 14 + 40 + colours * 4
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(image), 2835, 2835, colours, 0)
    pal = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    file_header = struct.pack("<2sIHHI", b"BM", header_size + len(image), 0, 0, header_size)
    with open(name + ".bmp", "wb") as f:
        f.write(file_header + info + pal + image)


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
        write_bmp("RujGRP" + state + look, check_box(state, look), bits=24)
for state in "UC":
    for look in ("", "H", "D"):
        write_bmp("RujOFR" + state + look, radio(state, look), bits=24)


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


# ---- The navigator glyphs ------------------------------------------------------------------------

def glyph(draw, colour):
    px = [[KEY] * 16 for _ in range(16)]

    def put(x, y):
        if 0 <= x < 16 and 0 <= y < 16:
            px[y][x] = colour

    draw(put)
    return px


def triangle(put, tip_x, left):
    # a filled triangle pointing left or right, 7 pixels high, tip at tip_x
    for i in range(4):
        for y in range(7 - i, 9 + i):
            put(tip_x + (i if left else -i), y)


def first(put):
    for y in range(4, 12):
        put(4, y)
    triangle(put, 6, True)


def prior(put):
    triangle(put, 6, True)


def next_(put):
    triangle(put, 9, False)


def last(put):
    triangle(put, 9, False)
    for y in range(4, 12):
        put(11, y)


def insert(put):
    for i in range(3, 13):
        put(i, 7)
        put(i, 8)
        put(7, i)
        put(8, i)


def delete(put):
    for i in range(3, 13):
        put(i, 7)
        put(i, 8)


def edit(put):
    # a pencil from the lower left to the upper right
    for i in range(9):
        put(3 + i, 12 - i)
        put(4 + i, 12 - i)
        put(4 + i, 11 - i)
    put(2, 13)


def post(put):
    for i in range(4):
        put(3 + i, 8 + i)
        put(3 + i, 9 + i)
    for i in range(7):
        put(7 + i, 10 - i)
        put(7 + i, 11 - i)


def cancel(put):
    for i in range(9):
        put(3 + i, 3 + i)
        put(4 + i, 3 + i)
        put(11 - i, 3 + i)
        put(12 - i, 3 + i)


def refresh(put):
    # a circle open at the upper right, its end an arrow corner
    for a in range(50, 360, 6):
        t = math.radians(a)
        put(int(round(7.5 + 5 * math.cos(t))), int(round(7.5 - 5 * math.sin(t))))
    for i in range(4):
        put(11, 1 + i)
        put(8 + i, 4)


glyphs = {"FIRST": first, "PRIOR": prior, "NEXT": next_, "LAST": last, "INSERT": insert, "DELETE": delete,
          "EDIT": edit, "POST": post, "CANCEL": cancel, "REFRESH": refresh}
colours = {"FIRST": (0, 0, 128), "PRIOR": (0, 0, 128), "NEXT": (0, 0, 128), "LAST": (0, 0, 128),
           "INSERT": (0, 128, 0), "DELETE": (128, 0, 0), "EDIT": (128, 128, 0), "POST": (0, 128, 0),
           "CANCEL": (128, 0, 0), "REFRESH": (0, 128, 128)}
for name, draw in glyphs.items():
    write_bmp("DBIMG" + name, glyph(draw, colours[name]), bits=4)
    write_bmp("DBIMG" + name + "D", glyph(draw, (128, 128, 128)), bits=4)

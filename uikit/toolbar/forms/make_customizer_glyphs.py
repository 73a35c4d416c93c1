#!/usr/bin/env python3
"""Draws the customizer dialog's speed-button glyphs into its form text (Glyph.Data of each button).

24 bits per pixel; magenta (FF00FF) in the bottom-left pixel is left out. Two images side by side,
the normal one and a grey disabled twin, 16 x 16 each (the clear button's 14 x 17; the separator
button has one image):

    TopButton, UpButton, DownButton, BottomButton   blue square, double/single chevron up, down
    AddButton, AddGlowButton                         red square with a chevron pointing left
    SeparatorButton                                  a vertical bar, a green arrow pointing left at it
    DeleteButton                                     a red cross
    ClearButton                                      a waste bin
    BtnEdit                                          a list page with a pencil

Run from this folder: python3 make_customizer_glyphs.py (rewrites CustomizerForm.txt in place).
"""
import re
import struct

KEY = (255, 0, 255)
BLUE, BLUE_EDGE = (66, 110, 200), (30, 60, 140)
RED, RED_EDGE = (214, 60, 50), (150, 30, 25)
WHITE, GREEN, DARK = (255, 255, 255), (40, 160, 60), (70, 70, 70)


def canvas(w, h):
    return [[KEY] * w for _ in range(h)]


def rect(img, x0, y0, x1, y1, fill, edge=None):
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            border = x in (x0, x1) or y in (y0, y1)
            img[y][x] = edge if edge and border else fill


def chevron(img, cx, tip_y, up, colour):
    # A 7-wide, 2-thick chevron whose tip is at (cx, tip_y).
    for i in range(4):
        for t in range(2):
            y = tip_y + (i + t if up else -(i + t))
            for x in (cx - i, cx + i):
                img[y][x] = colour


def square_with_chevrons(up, count):
    img = canvas(16, 16)
    rect(img, 1, 1, 14, 14, BLUE, BLUE_EDGE)
    tips = [5] if count == 1 else [3, 7]
    for tip in tips:
        chevron(img, 7, tip if up else 15 - tip - 1, up, WHITE)
    return img


def add_glyph():
    img = canvas(16, 16)
    rect(img, 1, 1, 14, 14, RED, RED_EDGE)
    for i in range(4):
        for t in range(2):
            for y in (7 - i, 8 + i):
                img[y][5 + i + t] = WHITE
    return img


def separator_glyph():
    img = canvas(16, 16)
    rect(img, 2, 1, 3, 14, DARK)
    for x in range(6, 15):
        img[7][x] = img[8][x] = GREEN
    for i in range(1, 4):
        for y in range(7 - i, 9 + i):
            img[y][5 + i] = GREEN
    return img


def cross_glyph():
    img = canvas(16, 16)
    for i in range(2, 14):
        for t in (0, 1):
            if i + t < 14:
                img[i][i + t] = RED
                img[i][15 - i - t] = RED
    return img


def bin_glyph():
    img = canvas(14, 17)
    rect(img, 1, 2, 12, 3, DARK)       # lid
    rect(img, 5, 0, 8, 1, DARK)        # handle
    rect(img, 2, 4, 11, 16, (150, 150, 150), DARK)
    for x in (4, 7, 9):
        for y in range(6, 15):
            img[y][x] = DARK
    return img


def edit_glyph():
    img = canvas(16, 16)
    rect(img, 1, 0, 11, 15, WHITE, DARK)
    for y in (3, 6, 9, 12):
        for x in range(3, 10):
            img[y][x] = BLUE
    for i in range(8):        # the pencil, from the bottom left up to the right
        x, y = 6 + i, 14 - i
        img[y][x] = (230, 170, 40)
        if x + 1 < 16:
            img[y][x + 1] = (190, 120, 20)
    img[15][5] = DARK
    return img


def grey(img):
    def g(c):
        if c == KEY:
            return KEY
        v = (c[0] * 30 + c[1] * 59 + c[2] * 11) // 100
        v = 128 + v // 2
        return (v, v, v)
    return [[g(c) for c in row] for row in img]


def with_twin(img):
    return [a + b for a, b in zip(img, grey(img))]


def bmp24(pixels):
    height, width = len(pixels), len(pixels[0])
    stride = (width * 3 + 3) & ~3
    data = bytearray()
    for row in reversed(pixels):
        line = b"".join(struct.pack("<BBB", b, g, r) for (r, g, b) in row)
        data += line + b"\0" * (stride - len(line))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 0, 0, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(data), 0, 0, 14 + 40)
    return header + info + bytes(data)


def glyph_data(pixels):
    bmp = bmp24(pixels)
    blob = struct.pack("<I", len(bmp)) + bmp
    hexed = blob.hex().upper()
    lines = [hexed[i:i + 64] for i in range(0, len(hexed), 64)]
    return "{\n" + "\n".join("        " + line for line in lines) + "}"


GLYPHS = {
    "TopButton": with_twin(square_with_chevrons(True, 2)),
    "UpButton": with_twin(square_with_chevrons(True, 1)),
    "DownButton": with_twin(square_with_chevrons(False, 1)),
    "BottomButton": with_twin(square_with_chevrons(False, 2)),
    "AddButton": with_twin(add_glyph()),
    "AddGlowButton": with_twin(add_glyph()),
    "SeparatorButton": separator_glyph(),
    "DeleteButton": with_twin(cross_glyph()),
    "ClearButton": with_twin(bin_glyph()),
    "BtnEdit": with_twin(edit_glyph()),
}


def main():
    path = "CustomizerForm.txt"
    text = open(path, encoding="utf-8").read()
    for name, pixels in GLYPHS.items():
        pattern = re.compile(r"(object " + name + r": TSpeedButton\n(?:(?!    end\n).)*?Glyph\.Data = )\{[^}]*\}", re.S)
        text, count = pattern.subn(lambda m: m.group(1) + glyph_data(pixels), text)
        assert count == 1, name
    open(path, "w", encoding="utf-8").write(text)


if __name__ == "__main__":
    main()

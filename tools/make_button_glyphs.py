#!/usr/bin/python3
"""Draws the form layer's stock button glyphs (assets/forms/*.bmp).

bbok.bmp: the green check mark that an OK-kind button shows beside its
caption. A button treats the colour of a glyph's bottom-left pixel as
see-through, so every pixel outside the mark keeps KEY and no pixel of the
mark has it. The mark is drawn hard-edged: there is no background to blend
its edge with, since the button face shows through.
"""
import os
import struct

from PIL import Image, ImageDraw

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT_DIR = os.path.join(ROOT, "assets", "forms")
KEY = (128, 128, 0)
SIZE = 18
SS = 8  # the outline is decided on a grid this many times finer

OUTLINE = (0, 88, 0)
LIGHT = (120, 236, 96)
DARK = (0, 150, 24)
SHADOW = (96, 96, 96)


def write_bmp(path, img):
    """Uncompressed 24-bit bottom-up BMP with a BITMAPINFOHEADER."""
    w, h = img.size
    stride = (w * 3 + 3) & ~3
    rows = []
    for y in range(h - 1, -1, -1):
        row = b"".join(bytes((b, g, r)) for r, g, b in (img.getpixel((x, y)) for x in range(w)))
        rows.append(row + b"\0" * (stride - len(row)))
    pixels = b"".join(rows)
    off = 14 + 40
    head = struct.pack("<2sIHHI", b"BM", off + len(pixels), 0, 0, off)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(head + info + pixels)


def check_mask():
    """Which pixels the mark covers: a thick stroke, short arm down to the
    right, long arm up to the top right, with round ends."""
    big = Image.new("L", (SIZE * SS, SIZE * SS), 0)
    d = ImageDraw.Draw(big)
    pts = [(2.6, 9.2), (6.6, 13.2), (15.2, 3.4)]
    pts = [(x * SS, y * SS) for x, y in pts]
    w = 3.3 * SS
    d.line(pts, fill=255, width=int(w), joint="curve")
    for x, y in pts:
        d.ellipse([x - w / 2, y - w / 2, x + w / 2, y + w / 2], fill=255)
    small = big.resize((SIZE, SIZE), Image.BOX)
    return [[small.getpixel((x, y)) >= 128 for x in range(SIZE)] for y in range(SIZE)]


def mix(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


def ok_glyph():
    m = check_mask()

    def inside(x, y):
        return 0 <= x < SIZE and 0 <= y < SIZE and m[y][x]

    img = Image.new("RGB", (SIZE, SIZE), KEY)
    for y in range(SIZE):
        for x in range(SIZE):
            if inside(x, y):
                edge = not all(inside(x + dx, y + dy) for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
                if edge:
                    img.putpixel((x, y), OUTLINE)
                else:
                    # lit from the top left
                    t = min(1.0, max(0.0, (x + 2 * y - 8) / 26))
                    img.putpixel((x, y), mix(LIGHT, DARK, t))
            elif inside(x - 1, y - 1) and x < SIZE - 1 and y < SIZE - 1:
                img.putpixel((x, y), SHADOW)
    assert img.getpixel((0, SIZE - 1)) == KEY
    assert all(img.getpixel((x, y)) != KEY for y in range(SIZE) for x in range(SIZE) if m[y][x])
    return img


def main():
    write_bmp(os.path.join(OUT_DIR, "bbok.bmp"), ok_glyph())


if __name__ == "__main__":
    main()

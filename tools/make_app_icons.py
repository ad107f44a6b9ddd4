#!/usr/bin/python3
"""Draws the main window's pointing-hand cursor and the program icon.

assets/app/apuntando.cur: 32x32 monochrome cursor, hot spot on the fingertip.
assets/app/zafrena.ico:   32x32 24-bit icon of an astonished yellow face.
"""
import math
import os
import struct

from PIL import Image, ImageDraw

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT_DIR = os.path.join(ROOT, "assets", "app")
SIZE = 32

# Drawn pixel by pixel: a 1-bit cursor cannot be smoothed anyway.
# '#' black outline, '-' white, ' ' transparent. The fingertip's top pixel
# is the hot spot (6, 0).
HAND = """
      #
     #-#
    #---#
    #---#
    #---#
    #---#
    #---#
    #---###
    #---#--###
    #---#--#--##
    #---#--#--#-#
 ## #---#--#--#--#
#--##---#--#--#--#
#---#-----------#-#
 #---#------------#
 #----------------#
  #---------------#
  #---------------#
   #--------------#
   #-------------#
    #------------#
    #------------#
     #----------#
     #----------#
     ############
"""
HOTSPOT = (6, 0)


def hand_rows():
    rows = HAND.strip("\n").split("\n")
    return [row.ljust(SIZE)[:SIZE] for row in rows] + \
        [" " * SIZE] * (SIZE - len(rows))


def mask_bits(is_set):
    """1-bit rows, bottom-up, each padded to 32 bits; is_set(x, y) -> bool."""
    out = bytearray()
    for y in range(SIZE - 1, -1, -1):
        value = 0
        for x in range(SIZE):
            value = (value << 1) | (1 if is_set(x, y) else 0)
        out += struct.pack(">I", value)  # 32 pixels: exactly one padded row
    return bytes(out)


def bitmap_header(bit_count, image_bytes, colours_used=0):
    # Height counts the colour bitmap and the AND mask together.
    return struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, bit_count, 0,
                       image_bytes, 0, 0, colours_used, 0)


def icon_file(kind, width_field, colours, x_or_planes, y_or_bits, image):
    directory = struct.pack("<HHH", 0, kind, 1)
    entry = struct.pack("<BBBBHHII", width_field, width_field, colours, 0,
                        x_or_planes, y_or_bits, len(image), 6 + 16)
    return directory + entry + image


def make_cursor():
    rows = hand_rows()
    assert rows[HOTSPOT[1]][HOTSPOT[0]] == "#", "hot spot must be on the hand"
    xor = mask_bits(lambda x, y: rows[y][x] == "-")
    and_mask = mask_bits(lambda x, y: rows[y][x] == " ")
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    image = bitmap_header(1, len(xor) + len(and_mask), 2) + palette + xor + and_mask
    return icon_file(2, SIZE, 2, HOTSPOT[0], HOTSPOT[1], image)


# The face is drawn 8 times larger, then averaged down to 32x32.
BIG = 8
N = SIZE * BIG


def face_layers():
    """Returns (premultiplied colour on black, coverage mask) at N x N."""
    c, r = N / 2, N / 2 - 1
    coverage = Image.new("L", (N, N), 0)
    ImageDraw.Draw(coverage).ellipse([c - r, c - r, c + r, c + r], fill=255)

    # Shaded yellow: light from the top left, deeper towards the rim.
    face = Image.new("RGB", (N, N))
    light_x, light_y = c - r * 0.35, c - r * 0.4
    for y in range(N):
        for x in range(N):
            t = min(1.0, math.hypot(x - light_x, y - light_y) / (r * 1.5))
            face.putpixel((x, y), (255, round(240 - 70 * t * t),
                                   round(110 - 100 * t)))
    draw = ImageDraw.Draw(face)
    rim = (150, 80, 0)
    draw.ellipse([c - r, c - r, c + r, c + r], outline=rim, width=12)

    # Raised brows, wide white eyes with small pupils, an open round mouth.
    ink = (90, 45, 10)
    for ex in (c - 40, c + 40):
        draw.arc([ex - 30, c - 96, ex + 30, c - 48], 200, 340, fill=ink, width=10)
        draw.ellipse([ex - 27, c - 64, ex + 27, c + 6], fill=(255, 255, 255),
                     outline=ink, width=7)
        draw.ellipse([ex - 11, c - 35, ex + 11, c - 13], fill=(20, 10, 0))
    draw.ellipse([c - 24, c + 28, c + 24, c + 96], fill=(110, 25, 15),
                 outline=ink, width=9)
    draw.chord([c - 16, c + 62, c + 16, c + 90], 180, 360, fill=(220, 70, 70))
    black = Image.new("RGB", (N, N))
    return Image.composite(face, black, coverage), coverage


def make_icon():
    colour, coverage = face_layers()
    colour = colour.resize((SIZE, SIZE), Image.BOX)
    coverage = coverage.resize((SIZE, SIZE), Image.BOX)

    def opaque(x, y):
        return coverage.getpixel((x, y)) >= 128

    xor = bytearray()
    for y in range(SIZE - 1, -1, -1):
        for x in range(SIZE):
            if opaque(x, y):
                # Undo the blend with black along the rim.
                a = coverage.getpixel((x, y)) / 255
                r, g, b = (min(255, round(v / a)) for v in colour.getpixel((x, y)))
                xor += bytes((b, g, r))
            else:
                xor += bytes(3)
    and_mask = mask_bits(lambda x, y: not opaque(x, y))
    image = bitmap_header(24, len(xor) + len(and_mask)) + bytes(xor) + and_mask
    return icon_file(1, SIZE, 0, 1, 24, image)


def main():
    os.makedirs(OUT_DIR, exist_ok=True)
    with open(os.path.join(OUT_DIR, "apuntando.cur"), "wb") as f:
        f.write(make_cursor())
    with open(os.path.join(OUT_DIR, "zafrena.ico"), "wb") as f:
        f.write(make_icon())


if __name__ == "__main__":
    main()

#!/usr/bin/python3
"""Draws the pictures on the reveal window's buttons (assets/trick/*.bmp).

The button that shows a picture treats the colour of its bottom-left pixel
as see-through everywhere, so each picture keeps KEY only in the corner
pixels outside its rounded outline, and nowhere else.
"""
import math
import os
import struct

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT_DIR = os.path.join(ROOT, "assets", "trick")
FONTS = "/usr/share/fonts/truetype"
KEY = (255, 0, 255)
SS = 4  # drawing is done this many times larger, then scaled down


def font(name, px):
    return ImageFont.truetype(os.path.join(FONTS, name), px * SS)


def write_bmp(path, img):
    """Uncompressed 24-bit bottom-up BMP with a BITMAPINFOHEADER."""
    w, h = img.size
    stride = (w * 3 + 3) & ~3
    rows = []
    for y in range(h - 1, -1, -1):
        row = bytearray()
        for x in range(w):
            r, g, b = img.getpixel((x, y))
            row += bytes((b, g, r))
        rows.append(bytes(row) + b"\0" * (stride - w * 3))
    pixels = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(pixels),
                       2835, 2835, 0, 0)
    head = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(pixels), 0, 0, 54)
    with open(path, "wb") as f:
        f.write(head + info + pixels)


def big_mask(size):
    return Image.new("L", (size[0] * SS, size[1] * SS), 0)


def shrink(img, size):
    return img.resize(size, Image.LANCZOS)


def add_light(base, mask, colour):
    """Adds colour to base where mask is lit, like light on a dark scene."""
    layer = Image.new("RGB", base.size, colour)
    black = Image.new("RGB", base.size, (0, 0, 0))
    return ImageChops.add(base, Image.composite(layer, black, mask))


def paint(base, mask, colour):
    layer = Image.new("RGB", base.size, colour)
    return Image.composite(layer, base, mask)


def vertical_gradient(size, stops):
    """stops: [(position 0..1, (r, g, b)), ...] from top to bottom."""
    w, h = size
    img = Image.new("RGB", size)
    draw = ImageDraw.Draw(img)
    for y in range(h):
        t = y / max(1, h - 1)
        for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
            if t0 <= t <= t1:
                u = (t - t0) / (t1 - t0) if t1 > t0 else 0
                colour = tuple(round(a + (b - a) * u) for a, b in zip(c0, c1))
                break
        draw.line([(0, y), (w - 1, y)], fill=colour)
    return img


def text_mask(size, xy, text, fnt, anchor="mm"):
    mask = big_mask(size)
    ImageDraw.Draw(mask).text((xy[0] * SS, xy[1] * SS), text, font=fnt,
                              fill=255, anchor=anchor)
    return mask


def rounded_mask(size, inset, radius):
    """Antialiased mask of a rounded rectangle inset by whole pixels."""
    w, h = size
    mask = big_mask(size)
    ImageDraw.Draw(mask).rounded_rectangle(
        [inset * SS, inset * SS, (w - inset) * SS - 1, (h - inset) * SS - 1],
        max(1, radius - inset) * SS, fill=255)
    return shrink(mask, size)


def cut_corners(img, radius):
    """Pixels mostly outside the rounded outline become KEY, and only those."""
    out = img.copy()
    inside = rounded_mask(img.size, 0, radius)
    for y in range(img.height):
        for x in range(img.width):
            if inside.getpixel((x, y)) < 128:
                out.putpixel((x, y), KEY)
            elif out.getpixel((x, y)) == KEY:
                out.putpixel((x, y), (254, 0, 255))
    return out


def framed(img, radius, width=2):
    """A thin yellow-to-orange rounded frame around img."""
    w, h = img.size
    ring = ImageChops.subtract(rounded_mask(img.size, 0, radius),
                               rounded_mask(img.size, width, radius))
    # Yellow at the top left, deep orange at the bottom right.
    glow = Image.new("RGB", img.size)
    for y in range(h):
        for x in range(w):
            t = (x / (w - 1) + 2 * y / (h - 1)) / 3
            glow.putpixel((x, y), (255, round(236 - 120 * t), round(60 - 50 * t)))
    return cut_corners(Image.composite(glow, img, ring), radius)


def star(size, centre, reach, glow_radius):
    """Mask of a four-pointed sparkle with a soft halo."""
    cx, cy = centre[0] * SS, centre[1] * SS
    mask = big_mask(size)
    draw = ImageDraw.Draw(mask)
    for angle, length, half_width in ((0, reach, 1.1), (90, reach * 0.8, 1.1),
                                      (45, reach * 0.35, 0.7),
                                      (135, reach * 0.35, 0.7)):
        a = math.radians(angle)
        dx, dy = math.cos(a), math.sin(a)
        px, py = -dy, dx
        length *= SS
        half_width *= SS
        draw.polygon([(cx + dx * length, cy + dy * length),
                      (cx + px * half_width, cy + py * half_width),
                      (cx - dx * length, cy - dy * length),
                      (cx - px * half_width, cy - py * half_width)], fill=255)
    halo = big_mask(size)
    r = glow_radius * SS
    ImageDraw.Draw(halo).ellipse([cx - r, cy - r, cx + r, cy + r], fill=150)
    halo = halo.filter(ImageFilter.GaussianBlur(r * 0.6))
    return ImageChops.add(mask.filter(ImageFilter.GaussianBlur(SS * 0.4)), halo)


def streak(size, start, end, width, softness):
    mask = big_mask(size)
    ImageDraw.Draw(mask).line([(start[0] * SS, start[1] * SS),
                               (end[0] * SS, end[1] * SS)],
                              fill=255, width=round(width * SS))
    return mask.filter(ImageFilter.GaussianBlur(softness * SS))


def make_sera():
    size = (152, 48)
    img = vertical_gradient((size[0] * SS, size[1] * SS),
                            [(0, (14, 10, 38)), (0.6, (6, 4, 22)), (1, (2, 2, 12))])
    # Faint background stars, scattered by a fixed pseudo-random sequence.
    dots = big_mask(size)
    draw = ImageDraw.Draw(dots)
    seed = 12345
    for i in range(30):
        seed = (seed * 1103515245 + 12345) % 2**31
        x, y = 2 + seed % 148, 2 + (seed >> 12) % 44
        r = SS * (0.6 if i % 5 == 0 else 0.35)
        draw.ellipse([x * SS - r, y * SS - r, x * SS + r, y * SS + r],
                     fill=60 + (seed >> 20) % 140)
    img = add_light(img, dots, (190, 200, 255))

    # Light streaks rising to the right, each a wide dim glow plus a core.
    for colour, start, end, width in (
            ((40, 80, 255), (-10, 58), (150, -14), 2.2),
            ((150, 50, 230), (12, 60), (168, -8), 1.6),
            ((230, 30, 60), (30, 62), (182, -4), 1.8),
            ((70, 120, 255), (54, 64), (200, 2), 1.2),
            ((170, 60, 240), (-30, 40), (110, -30), 1.0)):
        img = add_light(img, streak(size, start, end, width * 4, 3.0),
                        tuple(c // 3 for c in colour))
        img = add_light(img, streak(size, start, end, width, 0.5), colour)

    img = add_light(img, star(size, (17, 21), 15, 6), (255, 255, 255))

    # The word, with a dark halo so it reads over the streaks.
    words = font("liberation/LiberationSerif-BoldItalic.ttf", 24)
    shadow = text_mask(size, (103, 23), "Será...", words)
    shadow = shadow.filter(ImageFilter.MaxFilter(9)).filter(
        ImageFilter.GaussianBlur(SS * 1.5))
    img = paint(img, shadow, (4, 2, 18))
    img = paint(img, text_mask(size, (103, 23), "Será...", words),
                (255, 255, 255))
    return framed(shrink(img, size), radius=4)


def blend(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def bevelled(img, radius):
    """Raised plate: lit along the top and left, shaded bottom and right."""
    w, h = img.size
    out = img.copy()
    rings = [ImageChops.subtract(rounded_mask(img.size, i, radius),
                                 rounded_mask(img.size, i + 1, radius))
             for i in range(2)]
    for y in range(h):
        for x in range(w):
            lit = x / (w - 1) + y / (h - 1) < 1
            for depth, ring in enumerate(rings):
                a = ring.getpixel((x, y)) / 255 * (0.75 if depth == 0 else 0.4)
                if a:
                    edge = (235, 250, 255) if lit else (6, 20, 70)
                    out.putpixel((x, y), blend(out.getpixel((x, y)), edge, a))
    return cut_corners(out, radius)


def make_autor():
    size = (50, 33)
    img = vertical_gradient((size[0] * SS, size[1] * SS),
                            [(0, (20, 160, 165)), (0.5, (40, 100, 215)),
                             (1, (185, 215, 252))])
    words = font("liberation/LiberationSans-Bold.ttf", 13)
    # A pale copy a pixel lower makes the letters look pressed in.
    img = paint(img, text_mask(size, (25, 17.5), "Autor:", words), (200, 230, 255))
    img = paint(img, text_mask(size, (25, 16.5), "Autor:", words), (10, 22, 95))
    return bevelled(shrink(img, size), radius=3)


def make_aceptar():
    size = (152, 32)
    w, h = size[0] * SS, size[1] * SS
    ox, oy = 46 * SS, 16 * SS
    img = vertical_gradient((w, h), [(0, (255, 252, 238)), (1, (246, 236, 214))])

    # Alternating wedges around the origin, one colour after another.
    colours = [(140, 55, 215), (225, 35, 60), (0, 160, 165)]
    step, spread = 15, 9
    for i in range(360 // step):
        a0 = math.radians(i * step - spread / 2)
        a1 = math.radians(i * step + spread / 2)
        far = 4 * w
        wedge = big_mask(size)
        ImageDraw.Draw(wedge).polygon(
            [(ox, oy), (ox + far * math.cos(a0), oy + far * math.sin(a0)),
             (ox + far * math.cos(a1), oy + far * math.sin(a1))], fill=255)
        img = paint(img, wedge, colours[i % 3])

    # Rays fade to a pale wash with distance, so the word stays readable.
    wash = Image.new("L", (w, h))
    for y in range(h):
        for x in range(w):
            d = math.hypot(x - ox, (y - oy) * 1.6) / SS
            wash.putpixel((x, y), round(255 * min(0.85, max(0.0, (d - 8) / 70))))
    img = paint(img, wash, (255, 250, 236))
    core = big_mask(size)
    r = 7 * SS
    ImageDraw.Draw(core).ellipse([ox - r, oy - r, ox + r, oy + r], fill=255)
    img = paint(img, core.filter(ImageFilter.GaussianBlur(3 * SS)), (255, 255, 240))

    words = font("liberation/LiberationSans-Bold.ttf", 18)
    centre = (112, 16)
    halo = text_mask(size, centre, "Aceptar", words)
    halo = halo.filter(ImageFilter.MaxFilter(9)).filter(
        ImageFilter.GaussianBlur(SS))
    img = paint(img, halo, (255, 253, 240))
    img = paint(img, text_mask(size, centre, "Aceptar", words), (0, 0, 0))
    return framed(shrink(img, size), radius=4)


def main():
    os.makedirs(OUT_DIR, exist_ok=True)
    write_bmp(os.path.join(OUT_DIR, "sera.bmp"), make_sera())
    write_bmp(os.path.join(OUT_DIR, "autor.bmp"), make_autor())
    write_bmp(os.path.join(OUT_DIR, "aceptar.bmp"), make_aceptar())


if __name__ == "__main__":
    main()

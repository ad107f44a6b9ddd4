#!/usr/bin/python3
"""Draws the pictures of the About, message and farewell windows.

All artwork is drawn from code: shapes are drawn at SS times the final size
and reduced, so edges come out smooth; 256-colour pictures then get a
palette chosen here, so the output is the same bytes on every run.
Writes into ../assets (relative to this file).
"""
import math
import struct
from pathlib import Path

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

ROOT = Path(__file__).resolve().parent.parent
ASSETS = ROOT / "assets"
SS = 4

DEJAVU = "/usr/share/fonts/truetype/dejavu/"
LIBER = "/usr/share/fonts/truetype/liberation/"
COMIC = "/usr/share/fonts/opentype/comic-neue/"
F_SANS_B = LIBER + "LiberationSans-Bold.ttf"
F_SANS_BI = LIBER + "LiberationSans-BoldItalic.ttf"
F_DV_CB = DEJAVU + "DejaVuSansCondensed-Bold.ttf"
F_DVSERIF_B = DEJAVU + "DejaVuSerif-Bold.ttf"
F_COMIC_B = COMIC + "ComicNeue-Bold.otf"

BRAND = "QUORVEL"
TAGLINE = "Software para disfrutar"


# ---------------------------------------------------------------- output

def write_bmp(img, path):
    """Plain BITMAPINFOHEADER BMP, bottom-up, BI_RGB; written by hand so the
    header fields do not depend on the Pillow version."""
    w, h = img.size
    if img.mode == "RGB":
        bpp, ncol, palette = 24, 0, b""
        rowlen = w * 3
        raw = img.tobytes("raw", "BGR")
    elif img.mode == "P":
        bpp, ncol = 8, 256
        pal = (list(img.getpalette()) + [0] * 768)[:768]
        palette = b"".join(bytes((pal[3 * i + 2], pal[3 * i + 1], pal[3 * i], 0))
                           for i in range(256))
        rowlen = w
        raw = img.tobytes()
    else:
        raise ValueError(img.mode)
    stride = (rowlen + 3) & ~3
    pad = b"\0" * (stride - rowlen)
    pixels = b"".join(raw[y * rowlen:(y + 1) * rowlen] + pad
                      for y in range(h - 1, -1, -1))
    off = 14 + 40 + len(palette)
    head = struct.pack("<2sIHHI", b"BM", off + len(pixels), 0, 0, off)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, bpp, 0, len(pixels),
                       2835, 2835, ncol, 0)
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes(head + info + palette + pixels)


def _nearest(c, pal):
    r, g, b = c
    best, bi = None, 0
    for i, (pr, pg, pb) in enumerate(pal):
        d = 3 * (r - pr) ** 2 + 4 * (g - pg) ** 2 + 2 * (b - pb) ** 2
        if best is None or d < best:
            best, bi = d, i
            if d == 0:
                break
    return bi


def index_images(images, fixed=()):
    """Gives all images one shared 256-entry palette (median cut over all of
    them plus the exact colours in `fixed`), so that regions drawn alike in
    several pictures get identical pixels."""
    width = max(im.width for im in images)
    sheet = Image.new("RGB", (width, sum(im.height for im in images)))
    y = 0
    for im in images:
        sheet.paste(im, (0, y))
        y += im.height
    # damp the weight of big flat areas so small bright details (lamps,
    # highlights) still get palette entries of their own
    seq = []
    for count, c in sorted(sheet.getcolors(sheet.width * sheet.height),
                           key=lambda e: e[1]):
        seq.extend([c] * max(1, int(math.sqrt(count))))
    sample = Image.new("RGB", (len(seq), 1))
    sample.putdata(seq)
    q = sample.quantize(256 - len(fixed), method=Image.Quantize.MEDIANCUT,
                        dither=Image.Dither.NONE)
    qp = q.getpalette()
    used = sorted(i for _, i in q.getcolors(256))
    pal = [tuple(c) for c in fixed]
    for i in used:
        c = tuple(qp[3 * i:3 * i + 3])
        if c not in pal:
            pal.append(c)
    pal = pal[:256]
    flat = [v for c in pal for v in c] + [0] * (768 - 3 * len(pal))
    out = []
    cache = {}
    for im in images:
        data = bytearray()
        for c in im.getdata():
            i = cache.get(c)
            if i is None:
                i = cache[c] = _nearest(c, pal)
            data.append(i)
        p = Image.frombytes("P", im.size, bytes(data))
        p.putpalette(flat)
        out.append(p)
    return out


# ---------------------------------------------------------------- drawing

def S(*v):
    """Final-pixel coordinates to supersampled ones."""
    return [x * SS for x in v]


def box(x0, y0, x1, y1):
    """Rectangle covering final pixels x0..x1, y0..y1 (ends exclusive)."""
    return [x0 * SS, y0 * SS, x1 * SS - 1, y1 * SS - 1]


def SI(*v):
    return tuple(int(round(x * SS)) for x in v)


def font(path, px):
    return ImageFont.truetype(path, int(round(px * SS)))


def new_mask(w, h):
    return Image.new("L", (w * SS, h * SS), 0)


def mask_draw(w, h, fn):
    m = new_mask(w, h)
    fn(ImageDraw.Draw(m))
    return m


def solid(size, color):
    return Image.new("RGB", size, color)


def vgrad(size, stops):
    """Vertical gradient through (position 0..1, colour) stops."""
    w, h = size
    col = Image.new("RGB", (1, h))
    for y in range(h):
        t = y / max(1, h - 1)
        col.putpixel((0, y), _ramp(stops, t))
    return col.resize((w, h), Image.NEAREST)


def _ramp(stops, t):
    t = min(1.0, max(0.0, t))
    for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
        if t <= t1:
            u = 0.0 if t1 == t0 else (t - t0) / (t1 - t0)
            return tuple(int(round(a + (b - a) * u)) for a, b in zip(c0, c1))
    return tuple(stops[-1][1])


def paint(img, mask, src):
    """Paints colour or image `src` through `mask` onto img (in place)."""
    if isinstance(src, tuple):
        src = solid(img.size, src)
    img.paste(src, (0, 0), mask)


def shadow(img, mask, dx, dy, blur, strength, color=(0, 0, 0)):
    """Soft drop shadow of a supersampled mask."""
    m = Image.new("L", mask.size, 0)
    m.paste(mask, (int(round(dx * SS)), int(round(dy * SS))))
    m = m.filter(ImageFilter.GaussianBlur(blur * SS))
    m = m.point(lambda v: int(v * strength))
    paint(img, m, color)


def grow(mask, width):
    return mask.filter(ImageFilter.MaxFilter(_odd(width * SS)))


def shrink(mask, width):
    return mask.filter(ImageFilter.MinFilter(_odd(width * SS)))


def _odd(n):
    n = int(round(n)) * 2 + 1
    return max(3, n)


def rounded_poly(pts, radii, steps=10):
    """Polygon with circular arcs of the given radius at each corner."""
    n = len(pts)
    if not isinstance(radii, (list, tuple)):
        radii = [radii] * n
    out = []
    for i in range(n):
        (x0, y0), (x1, y1), (x2, y2) = pts[i - 1], pts[i], pts[(i + 1) % n]
        r = radii[i]
        if r <= 0:
            out.append((x1, y1))
            continue
        ax, ay = x0 - x1, y0 - y1
        bx, by = x2 - x1, y2 - y1
        la, lb = math.hypot(ax, ay), math.hypot(bx, by)
        ax, ay, bx, by = ax / la, ay / la, bx / lb, by / lb
        ang = math.acos(max(-1.0, min(1.0, ax * bx + ay * by)))
        t = r / math.tan(ang / 2)
        px, py = x1 + ax * t, y1 + ay * t
        qx, qy = x1 + bx * t, y1 + by * t
        mx, my = ax + bx, ay + by
        lm = math.hypot(mx, my)
        d = r / math.sin(ang / 2)
        cx, cy = x1 + mx / lm * d, y1 + my / lm * d
        a0 = math.atan2(py - cy, px - cx)
        a1 = math.atan2(qy - cy, qx - cx)
        da = (a1 - a0 + math.pi) % (2 * math.pi) - math.pi
        for k in range(steps + 1):
            a = a0 + da * k / steps
            out.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return out


def text_mask(text, path, px, tracking=0.0, stroke=0.0):
    """Tight supersampled mask of a line of text, and its advance origin."""
    f = font(path, px)
    sw = int(round(stroke * SS))
    width = sum(f.getlength(ch) for ch in text) + tracking * SS * len(text)
    W = int(width + 4 * px * SS)
    H = int(3 * px * SS)
    m = Image.new("L", (W, H), 0)
    d = ImageDraw.Draw(m)
    x = 2 * px * SS * 0.5
    base = int(2 * px * SS)
    if tracking == 0:
        d.text((x, base), text, font=f, fill=255, anchor="ls",
               stroke_width=sw, stroke_fill=255)
    else:
        for ch in text:
            d.text((x, base), ch, font=f, fill=255, anchor="ls",
                   stroke_width=sw, stroke_fill=255)
            x += f.getlength(ch) + tracking * SS
    box = m.getbbox()
    return m.crop(box)


def place(mask_small, w, h, x, y):
    """Puts a supersampled mask on a w x h canvas mask at final coords."""
    m = new_mask(w, h)
    m.paste(mask_small, (int(round(x * SS)), int(round(y * SS))))
    return m


def reduce(img, w, h):
    return img.resize((w, h), Image.LANCZOS)


# ---------------------------------------------------------------- noise

def _hash3(ix, iy, iz):
    n = (ix * 374761393 + iy * 668265263 + iz * 982451653) & 0xFFFFFFFF
    n = ((n ^ (n >> 13)) * 1274126177) & 0xFFFFFFFF
    return ((n ^ (n >> 16)) & 0xFFFF) / 65535.0


def vnoise(x, y, z):
    ix, iy, iz = math.floor(x), math.floor(y), math.floor(z)
    fx, fy, fz = x - ix, y - iy, z - iz
    fx, fy, fz = [t * t * (3 - 2 * t) for t in (fx, fy, fz)]
    v = 0.0
    for dz in (0, 1):
        wz = fz if dz else 1 - fz
        for dy in (0, 1):
            wy = fy if dy else 1 - fy
            for dx in (0, 1):
                wx = fx if dx else 1 - fx
                v += wx * wy * wz * _hash3(ix + dx, iy + dy, iz + dz)
    return v


def turbulence(x, y, z, octaves=4):
    t, amp, f = 0.0, 1.0, 1.0
    for _ in range(octaves):
        t += amp * abs(vnoise(x * f, y * f, z * f) * 2 - 1)
        amp *= 0.5
        f *= 2.0
    return t


# ================================================================ About

def about_background():
    W, H = 384, 288
    img = vgrad(S(W, H), [(0, (226, 226, 222)), (0.5, (210, 210, 206)),
                          (1, (188, 188, 184))])
    d = ImageDraw.Draw(img)
    k = SS

    # outer bevel: light top/left, dark bottom/right
    def bevel(x0, y0, x1, y1, light, dark, width=1):
        for i in range(width):
            a, b, c, e = S(x0 + i, y0 + i, x1 - i, y1 - i)
            d.rectangle([a, b, c - 1, b + k - 1], fill=light)
            d.rectangle([a, b, a + k - 1, e - 1], fill=light)
            d.rectangle([a, e - k, c - 1, e - 1], fill=dark)
            d.rectangle([c - k, b, c - 1, e - 1], fill=dark)

    bevel(0, 0, W, H, (250, 250, 248), (112, 112, 110))
    bevel(1, 1, W - 1, H - 1, (238, 238, 236), (150, 150, 148))
    # engraved seam a few pixels in
    bevel(5, 5, W - 5, H - 5, (160, 160, 156), (246, 246, 244))
    bevel(6, 6, W - 6, H - 6, (244, 244, 242), (172, 172, 168))

    # recessed screen: dark slope top/left, light slope bottom/right
    sx0, sy0, sx1, sy1 = 19, 23, 365, 265
    for i, (lt, dk) in enumerate([((150, 150, 146), (250, 250, 248)),
                                  ((120, 120, 118), (236, 236, 232)),
                                  ((88, 88, 86), (205, 205, 200))]):
        bevel(sx0 - 3 + i, sy0 - 3 + i, sx1 + 3 - i, sy1 + 3 - i, lt, dk)
    d.rectangle(box(sx0, sy0, sx1, sy1), fill=(0, 0, 0))

    # top left: strip of tiny red and black scale marks
    d.rectangle(box(9, 8, 133, 17), fill=(120, 120, 116))
    d.rectangle(box(10, 9, 133, 17), fill=(236, 232, 214))
    for i in range(30):
        x = 12 + i * 4
        tall = 6 if i % 5 == 0 else 4
        col = (196, 20, 24) if (i // 5) % 2 == 0 else (20, 20, 20)
        d.rectangle(box(x, 10, x + 2, 10 + tall), fill=col)

    # indicator lamps: dark housing, coloured lens, glint
    def lamp(x, y, col, size=7):
        d.rectangle(box(x - 1, y - 1, x + size + 1, y + size + 1), fill=(96, 96, 94))
        d.rectangle(box(x, y, x + size + 1, y + size + 1), fill=(246, 246, 244))
        d.rectangle(box(x, y, x + size, y + size), fill=(40, 40, 40))
        hi = tuple(min(255, c + 90) for c in col)
        lens = vgrad(SI(size - 1, size - 1), [(0, hi), (0.55, col),
                                            (1, tuple(c * 2 // 3 for c in col))])
        img.paste(lens, SI(x + 0.5, y + 0.5))
        d.ellipse(S(x + 1.2, y + 1.0, x + 4.4, y + 3.0), fill=(255, 255, 255))

    bottom = [(230, 30, 30), (250, 150, 20), (240, 220, 30), (40, 200, 60),
              (30, 200, 210), (40, 90, 230), (190, 60, 210)]
    for i, col in enumerate(bottom):
        lamp(122 + i * 22, 273, col)
    lamp(371, 36, (40, 210, 60))
    lamp(371, 52, (230, 30, 30))
    lamp(6, 226, (250, 170, 20))
    # small toggle switch under the left lamp
    d.rectangle(box(6, 240, 14, 258), fill=(90, 90, 88))
    d.rectangle(box(7, 241, 14, 258), fill=(246, 246, 244))
    d.rectangle(box(7, 241, 13, 257), fill=(30, 30, 30))
    d.rounded_rectangle(S(7.6, 242, 12.4, 249), radius=k, fill=(200, 200, 196))
    d.rectangle(box(7.6, 242, 12.4, 243), fill=(250, 250, 250))

    out = reduce(img, W, H)
    dd = ImageDraw.Draw(out)
    # the reduction rings faintly at the screen edge; texts go over it, so
    # keep it pure black right up to the bevel
    dd.rectangle([sx0, sy0, sx1 - 1, sy1 - 1], fill=(0, 0, 0))

    # lettering drawn at final size: hinted glyphs stay legible that small
    f = ImageFont.truetype(F_DV_CB, 8)
    label = BRAND + "  ZF-7  MENTAL"
    wlab = dd.textlength(label, font=f)
    dd.text((374 - wlab, 16), label, font=f, fill=(54, 54, 60), anchor="ls")
    return out


def about_buttons():
    W, H = 106, 39
    tm = text_mask("ACEPTAR", F_SANS_B, 16, tracking=1.2)
    tw, th = tm.size[0] / SS, tm.size[1] / SS
    txt = place(tm, W, H, (W - tw) / 2, (H - th) / 2)
    txt_small = txt.resize((W, H), Image.LANCZOS)
    cream = (255, 243, 200)

    plain = Image.new("RGB", (W, H), (0, 0, 0))
    plain.paste(cream, (0, 0), txt_small)

    glow = Image.new("RGB", (W, H))
    gp = glow.load()
    for y in range(H):
        for x in range(W):
            dx = (x + 0.5 - W / 2) / (W / 2)
            dy = (y + 0.5 - H / 2) / (H / 2)
            r = math.sqrt(dx * dx + dy * dy)
            t = max(0.0, 1 - r) ** 1.1
            gp[x, y] = (int(round(176 * t)), int(round(168 * t)),
                        int(round(38 * t)))
    lit = glow.copy()
    lit.paste(cream, (0, 0), txt_small)
    return plain, lit


# ================================================================ messages

def icon_warning():
    W, H = 38, 40
    img = solid(S(W, H), (255, 255, 255))
    tri = rounded_poly([(19, 3), (36, 34), (2, 34)], 3.2)
    m = mask_draw(W, H, lambda d: d.polygon([tuple(S(x, y)) for x, y in tri], fill=255))
    shadow(img, m, 1.2, 1.6, 1.3, 0.35)
    paint(img, m, (150, 96, 0))
    inner = shrink(m, 1.1)
    paint(img, inner, vgrad(img.size, [(0.05, (255, 246, 150)), (0.45, (255, 218, 40)),
                                       (0.9, (240, 170, 0))]))
    # exclamation mark: tapered bar and dot
    bar = [(17.1, 12.5), (20.9, 12.5), (20.0, 25.5), (18.0, 25.5)]
    em = mask_draw(W, H, lambda d: (
        d.polygon([tuple(S(x, y)) for x, y in rounded_poly(bar, 0.9)], fill=255),
        d.ellipse(S(17.1, 27.3, 20.9, 31.1), fill=255)))
    paint(img, em, (10, 10, 10))
    return reduce(img, W, H)


def icon_error():
    W, H = 39, 40
    img = solid(S(W, H), (255, 255, 255))
    cx, cy, r = 18.5, 18.5, 16.6
    m = mask_draw(W, H, lambda d: d.ellipse(S(cx - r, cy - r, cx + r, cy + r), fill=255))
    shadow(img, m, 1.3, 1.6, 1.4, 0.35)
    paint(img, m, (120, 0, 0))
    inner = shrink(m, 1.1)
    # radial shading lit from the upper left
    big = Image.new("RGB", img.size)
    px = big.load()
    lx, ly = cx - 5, cy - 6
    for y in range(img.size[1]):
        for x in range(img.size[0]):
            u, v = x / SS, y / SS
            t = math.hypot(u - lx, v - ly) / (r + 6)
            px[x, y] = _ramp([(0, (255, 140, 120)), (0.45, (226, 40, 30)),
                              (0.85, (176, 10, 10)), (1, (140, 0, 0))], t)
    paint(img, inner, big)
    # cross with a faint shadow
    def cross(d, off=0.0, w=4.4):
        a, b = cx - 6.6, cx + 6.6
        d.line([tuple(S(a + off, a + off)), tuple(S(b + off, b + off))], fill=255, width=int(w * SS))
        d.line([tuple(S(a + off, b + off)), tuple(S(b + off, a + off))], fill=255, width=int(w * SS))
        for px_, py_ in ((a, a), (b, b), (a, b), (b, a)):
            rr = w / 2
            d.ellipse(S(px_ + off - rr, py_ + off - rr, px_ + off + rr, py_ + off + rr), fill=255)
    sh = mask_draw(W, H, lambda d: cross(d, 0.8))
    sh = sh.filter(ImageFilter.GaussianBlur(0.8 * SS)).point(lambda v: v * 45 // 100)
    paint(img, ImageChops.multiply(sh, inner), (90, 0, 0))
    cm = mask_draw(W, H, lambda d: cross(d))
    paint(img, cm, (255, 255, 255))
    return reduce(img, W, H)


def _bubble(W, H, glyph, gfont, gpx, gdx=0.0, gdy=0.0):
    img = solid(S(W, H), (255, 255, 255))
    ex0, ey0, ex1, ey1 = 1.8, 2.0, W - 2.8, H - 10.5
    tail = [(9.0, ey1 - 6.5), (16.5, ey1 - 1.5), (4.2, H - 3.2)]

    def shape(d):
        d.ellipse(S(ex0, ey0, ex1, ey1), fill=255)
        d.polygon([tuple(S(x, y)) for x, y in rounded_poly(tail, [0, 0, 0.8])], fill=255)
    m = mask_draw(W, H, shape)
    shadow(img, m, 1.2, 1.5, 1.3, 0.3)
    paint(img, m, (52, 96, 168))
    inner = shrink(m, 1.1)
    paint(img, inner, vgrad(img.size, [(0, (250, 253, 255)), (0.35, (222, 238, 253)),
                                       (0.8, (178, 210, 244))]))
    tm = text_mask(glyph, gfont, gpx)
    tw, th = tm.size[0] / SS, tm.size[1] / SS
    gx = (ex0 + ex1) / 2 - tw / 2 + gdx
    gy = (ey0 + ey1) / 2 - th / 2 + gdy
    paint(img, place(tm, W, H, gx, gy), (16, 44, 140))
    return reduce(img, W, H)


def icon_info():
    return _bubble(38, 38, "i", F_DVSERIF_B, 19, gdy=0.3)


def icon_question():
    return _bubble(39, 40, "?", F_DVSERIF_B, 19, gdy=0.3)


def marble_sphere(d_px):
    """Blue marbled ball, lit from the upper left, on transparent."""
    n = d_px * SS
    out = Image.new("RGBA", (n, n), (0, 0, 0, 0))
    px = out.load()
    lx, ly, lz = -0.5, -0.62, 0.6
    ll = math.sqrt(lx * lx + ly * ly + lz * lz)
    lx, ly, lz = lx / ll, ly / ll, lz / ll
    hx, hy, hz = lx, ly, lz + 1
    hl = math.sqrt(hx * hx + hy * hy + hz * hz)
    hx, hy, hz = hx / hl, hy / hl, hz / hl
    ramp = [(0, (20, 50, 160)), (0.4, (40, 100, 220)), (0.7, (90, 160, 245)),
            (0.9, (190, 225, 255)), (1, (245, 250, 255))]
    for j in range(n):
        y = (j + 0.5) / n * 2 - 1
        for i in range(n):
            x = (i + 0.5) / n * 2 - 1
            rr = x * x + y * y
            if rr >= 1:
                continue
            z = math.sqrt(1 - rr)
            t = 1.5 * x + 1.0 * y + 0.6 * z + 1.2 * turbulence(x + 3, y + 7, z, 3)
            v = (0.5 + 0.5 * math.sin(t * math.pi)) ** 1.5
            base = _ramp(ramp, v)
            diff = max(0.0, x * lx + y * ly + z * lz)
            nh = max(0.0, x * hx + y * hy + z * hz)
            shine = 0.55 * nh ** 18 + 0.9 * nh ** 120
            shade = (0.45 + 0.7 * diff) * (0.75 + 0.25 * z)
            col = [min(255.0, c * shade) for c in base]
            col = [c + (255 - c) * min(1.0, shine) for c in col]
            # soft edge so the reduction antialiases the rim
            a = min(1.0, (1 - math.sqrt(rr)) * n / 2.0)
            px[i, j] = tuple(int(round(c)) for c in col) + (int(round(255 * a)),)
    return out


def ok_button():
    W, H = 127, 49
    img = solid(S(W, H), (255, 255, 255))
    dia, bx, by = 38, 4, 4.5
    ball = marble_sphere(dia)
    am = ball.getchannel("A")
    full = new_mask(W, H)
    full.paste(am, SI(bx, by))
    # contact shadow under the ball
    sh = mask_draw(W, H, lambda d: d.ellipse(S(bx + 4, by + dia - 4, bx + dia + 2, by + dia + 2.5), fill=255))
    shadow(img, sh, 0, 0, 1.6, 0.28)
    shadow(img, full, 1.5, 1.5, 1.5, 0.22)
    img.paste(ball.convert("RGB"), SI(bx, by), am)

    tm = text_mask("Aceptar", F_SANS_B, 20.5)
    tw, th = tm.size[0] / SS, tm.size[1] / SS
    tx = 46 + (W - 3 - 46 - tw) / 2
    ty = (H - th) / 2 - 1
    m = place(tm, W, H, tx, ty)
    shadow(img, m, 1.8, 2.0, 1.5, 0.45, (40, 60, 100))
    edge = grow(m, 0.6)
    paint(img, edge, (46, 110, 196))
    paint(img, m, vgrad(img.size, [(ty / H, (190, 228, 255)), ((ty + th) / H, (96, 170, 240))]))
    out = reduce(img, W, H)
    return index_images([out], fixed=[(255, 255, 255)])[0]


# ================================================================ farewell

BW, BH = 500, 78
GREY = (192, 192, 192)
NAVY = (14, 34, 110)
CREAM_TOP, CREAM_BOT = (255, 246, 214), (236, 218, 168)
LIT_TOP, LIT_BOT = (255, 255, 246), (255, 250, 214)
RULE_Y = 72
TAB_LABELS = [BRAND, "JUEGOS", "INTERNET", "UTILIDADES"]
TAB_X0, TAB_W, TAB_GAP = 56, 104, 4
TAB_TOP = 53


def tab_box(i):
    x0 = TAB_X0 + i * (TAB_W + TAB_GAP)
    return x0, x0 + TAB_W


def draw_rule(img):
    d = ImageDraw.Draw(img)
    d.rounded_rectangle(S(3, RULE_Y, BW - 3, RULE_Y + 4), radius=2 * SS, fill=(8, 84, 30))
    d.rounded_rectangle(S(3, RULE_Y, BW - 3, RULE_Y + 3), radius=1.5 * SS, fill=(26, 150, 58))
    d.rectangle(box(5, RULE_Y, BW - 5, RULE_Y + 1), fill=(120, 214, 120))


def draw_tabs(img, lit=None):
    for i in range(len(TAB_LABELS)):
        x0, x1 = tab_box(i)
        pts = [(x0, RULE_Y + 0.5), (x0 + 7, TAB_TOP), (x1 - 7, TAB_TOP), (x1, RULE_Y + 0.5)]
        poly = rounded_poly(pts, [0, 4, 4, 0])
        m = mask_draw(BW, BH, lambda d: d.polygon([tuple(S(x, y)) for x, y in poly], fill=255))
        shadow(img, m, 1.2, -0.2, 1.0, 0.30)
        paint(img, m, (112, 86, 40))
        inner = shrink(m, 1.0)
        top, bot = (LIT_TOP, LIT_BOT) if i == lit else (CREAM_TOP, CREAM_BOT)
        paint(img, inner, vgrad(img.size, [(TAB_TOP / BH, top), (RULE_Y / BH, bot)]))
        tm, tx, ty = tab_label(i)
        paint(img, place(tm, BW, BH, tx, ty), (70, 44, 14))
    draw_rule(img)


def tab_label(i):
    """Mask of tab i's label and its top-left corner."""
    x0, x1 = tab_box(i)
    tm = text_mask(TAB_LABELS[i], F_DV_CB, 10.5, tracking=0.5)
    tw, th = tm.size[0] / SS, tm.size[1] / SS
    return tm, (x0 + x1) / 2 - tw / 2, (TAB_TOP + RULE_Y) / 2 - th / 2 + 0.5


def draw_badge(img, x, y, s=26):
    m = mask_draw(BW, BH, lambda d: d.rounded_rectangle(S(x, y, x + s, y + s), radius=4 * SS, fill=255))
    shadow(img, m, 1.5, 1.5, 1.3, 0.35)
    paint(img, m, (10, 30, 100))
    inner = shrink(m, 1.0)
    paint(img, inner, vgrad(img.size, [(y / BH, (96, 156, 248)), ((y + s) / BH, (18, 62, 178))]))
    gloss = mask_draw(BW, BH, lambda d: d.rounded_rectangle(
        S(x + 2, y + 1.8, x + s - 2, y + s * 0.46), radius=3 * SS, fill=90))
    paint(img, gloss, (255, 255, 255))
    check = [(x + s * 0.22, y + s * 0.52), (x + s * 0.42, y + s * 0.72), (x + s * 0.80, y + s * 0.26)]

    def tick(d, off):
        pts = [tuple(S(px + off, py + off)) for px, py in check]
        w = int(3.6 * SS)
        d.line(pts, fill=255, width=w, joint="curve")
        for px, py in pts:
            d.ellipse([px - w / 2, py - w / 2, px + w / 2, py + w / 2], fill=255)
    sh = mask_draw(BW, BH, lambda d: tick(d, 0.9)).filter(ImageFilter.GaussianBlur(0.7 * SS))
    paint(img, ImageChops.multiply(sh.point(lambda v: v // 2), inner), (0, 10, 60))
    paint(img, mask_draw(BW, BH, lambda d: tick(d, 0)), (255, 255, 255))


def draw_arrow(img, tipx, tipy, k=0.92):
    pts = [(0, 0), (0, 16), (4, 12.3), (6.8, 18.6), (9.3, 17.5), (6.6, 11.4), (11.6, 11.4)]
    pts = [(tipx + x * k, tipy + y * k) for x, y in pts]
    m = mask_draw(BW, BH, lambda d: d.polygon([tuple(S(x, y)) for x, y in pts], fill=255))
    body = grow(m, 0.55)
    shadow(img, body, 1.6, 1.6, 1.0, 0.4)
    paint(img, body, (0, 0, 0))
    paint(img, shrink(m, 0.45), (255, 255, 255))


def banner_base():
    return solid(S(BW, BH), GREY)


def banner_brand():
    img = banner_base()
    tm = text_mask(BRAND, F_SANS_B, 31, tracking=0.6)
    tw, th = tm.size[0] / SS, tm.size[1] / SS
    m = place(tm, BW, BH, 9, 5)
    outer = grow(m, 2.2)
    shadow(img, outer, 1.8, 1.8, 1.2, 0.35)
    paint(img, outer, (6, 18, 80))
    paint(img, grow(m, 1.0), (235, 242, 255))
    paint(img, m, vgrad(img.size, [(5 / BH, (96, 160, 255)), ((5 + th) / BH, (16, 56, 190))]))
    # tagline in a rounded frame to the right of the brand word
    fx0 = 9 + tw + 12
    tg = text_mask(TAGLINE, F_SANS_BI, 14)
    gw, gh = tg.size[0] / SS, tg.size[1] / SS
    fx1, fy0, fy1 = fx0 + gw + 18, 8, 31
    fr = mask_draw(BW, BH, lambda d: d.rounded_rectangle(S(fx0, fy0, fx1, fy1), radius=8 * SS, fill=255))
    shadow(img, fr, 1.2, 1.2, 1.0, 0.3)
    paint(img, fr, (20, 50, 140))
    paint(img, shrink(fr, 1.2), vgrad(img.size, [(fy0 / BH, (252, 253, 255)), (fy1 / BH, (214, 226, 246))]))
    paint(img, place(tg, BW, BH, fx0 + 9, (fy0 + fy1) / 2 - gh / 2 - 0.3), NAVY)
    draw_badge(img, 12, 40)
    return img


def banner_invite():
    img = banner_base()
    tm = text_mask("visita nuestra web para todo esto y más...", F_COMIC_B, 19)
    th = tm.size[1] / SS
    m = place(tm, BW, BH, 12, 22 - th / 2)
    shadow(img, m, 1.2, 1.2, 0.8, 0.3, (255, 255, 255))
    paint(img, m, NAVY)
    draw_badge(img, BW - 40, 8)
    return img


def farewell_banners():
    frames = []
    b1 = banner_brand()
    draw_tabs(b1)
    frames.append(b1)
    b2 = banner_invite()
    draw_tabs(b2)
    frames.append(b2)
    for i in range(4):
        b = banner_invite()
        draw_tabs(b, lit=i)
        # tip just past the label's end so the arrow never hides a letter
        tm, tx, ty = tab_label(i)
        draw_arrow(b, tx + tm.size[0] / SS + 0.8, 59.5)
        frames.append(b)
    small = [reduce(f, BW, BH) for f in frames]
    return index_images(small, fixed=[GREY, (0, 0, 0), (255, 255, 255)])


# ================================================================ main

def main():
    about = ASSETS / "about"
    fondo = about_background()
    write_bmp(index_images([fondo], fixed=[(0, 0, 0)])[0], about / "fondo.bmp")
    plain, lit = about_buttons()
    write_bmp(plain, about / "boton_sin.bmp")
    write_bmp(lit, about / "boton_con.bmp")

    msg = ASSETS / "messages"
    write_bmp(icon_warning(), msg / "aviso.bmp")
    write_bmp(icon_error(), msg / "error.bmp")
    write_bmp(icon_info(), msg / "informacion.bmp")
    write_bmp(icon_question(), msg / "confirmacion.bmp")
    write_bmp(ok_button(), msg / "ok.bmp")

    fw = ASSETS / "farewell"
    for n, b in enumerate(farewell_banners(), 1):
        write_bmp(b, fw / ("banner%d.bmp" % n))


if __name__ == "__main__":
    main()

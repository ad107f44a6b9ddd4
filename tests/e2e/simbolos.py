"""Tells which of the 30 pictographs a screen region shows, by comparing its
lit pixels with each pictograph of our symbol font rendered at the same size."""
import os

from PIL import Image, ImageDraw, ImageFont

FUENTE = os.path.join(os.path.dirname(os.path.dirname(os.path.dirname(
    os.path.abspath(__file__)))), "assets", "fonts", "ZafrenaSymbols.ttf")


def _normalizada(mascara):
    """The set of lit pixels, relative to the top-left of their bounding box."""
    caja = mascara.getbbox()
    if not caja:
        return None
    ancho = mascara.width
    return {(i % ancho - caja[0], i // ancho - caja[1])
            for i, v in enumerate(mascara.getdata()) if v > 127}


def _parecido(a, b):
    """Overlap of two pixel sets, allowing a pixel of misalignment."""
    mejor = 0.0
    for dx in (-1, 0, 1):
        for dy in (-1, 0, 1):
            movido = {(x + dx, y + dy) for x, y in b}
            mejor = max(mejor, len(a & movido) / len(a | movido))
    return mejor


def _modelos(altura_px):
    fuente = ImageFont.truetype(FUENTE, altura_px, encoding="symb")
    modelos = {}
    for code in range(33, 63):
        im = Image.new("L", (altura_px * 2, altura_px * 2))
        ImageDraw.Draw(im).text((2, 2), chr(0xF000 + code), font=fuente, fill=255)
        modelos[code] = _normalizada(im)
    return modelos


def reconocer(region, es_tinta, altura_px):
    """The code (33..62) whose pictograph best matches `region` (an RGB image),
    where `es_tinta(rgb)` tells the pictograph's pixels from the background;
    with the score of the best and of the runner-up."""
    mascara = Image.new("L", region.size)
    mascara.putdata([255 if es_tinta(p) else 0 for p in region.getdata()])
    visto = _normalizada(mascara)
    if visto is None:
        raise AssertionError("no pictograph in the region")
    notas = sorted(((_parecido(visto, m), c) for c, m in _modelos(altura_px).items()), reverse=True)
    return notas[0][1], notas[0][0], notas[1][0]

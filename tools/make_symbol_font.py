#!/usr/bin/python3
"""Builds assets/fonts/ZafrenaSymbols.ttf from Debian's Noto Sans Symbols2.

Wine's Wingdings has no pictographs at codes 0x21..0x3E, so the program ships
its own symbol font with those 30 pictographs, laid out like Wingdings.
Also writes assets/fonts/OFL.txt, the licence the derived font stays under.
"""
import os
import re
import sys
import textwrap

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.boundsPen import BoundsPen
from fontTools.pens.transformPen import TransformPen
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import TTFont, newTable
from fontTools.ttLib.tables._c_m_a_p import CmapSubtable
from fontTools.ttLib.tables.O_S_2f_2 import Panose
from fontTools.misc.timeTools import timestampFromString

SOURCE = "/usr/share/fonts/truetype/noto/NotoSansSymbols2-Regular.ttf"
DEBIAN_COPYRIGHT = "/usr/share/doc/fonts-noto-core/copyright"
ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT_DIR = os.path.join(ROOT, "assets", "fonts")

FAMILY = "Zafrena Symbols"
VERSION = "1.000"

# Code -> Unicode, after Unicode's Wingdings mapping. Noto Sans Symbols2 has
# no U+1F4C1, U+1F4C2, U+1F4C4; their nearest pictographs there stand in.
PICTOGRAPHS = {
    0x21: 0x1F589, 0x22: 0x2702, 0x23: 0x2701, 0x24: 0x1F453,
    0x25: 0x1F56D, 0x26: 0x1F56E, 0x27: 0x1F56F, 0x28: 0x1F57F,
    0x29: 0x2706, 0x2A: 0x1F582, 0x2B: 0x1F583, 0x2C: 0x1F4EA,
    0x2D: 0x1F4EB, 0x2E: 0x1F4EC, 0x2F: 0x1F4ED,
    0x30: 0x1F5C0,  # FOLDER for FILE FOLDER
    0x31: 0x1F5C1,  # OPEN FOLDER for OPEN FILE FOLDER
    0x32: 0x1F5CE,  # DOCUMENT (folded corner) for PAGE FACING UP
    0x33: 0x1F5CF, 0x34: 0x1F5D0, 0x35: 0x1F5C4, 0x36: 0x231B,
    0x37: 0x1F5AE, 0x38: 0x1F5B0, 0x39: 0x1F5B2, 0x3A: 0x1F5B3,
    0x3B: 0x1F5B4, 0x3C: 0x1F5AB, 0x3D: 0x1F5AC, 0x3E: 0x2707,
}

# Wingdings-like grid. At lfHeight -21 (16 pt) these give a 20 px advance
# and 18 + 5 px ascent/descent, so "88" measures 40 x 23 under Wine, which
# rounds ascent and descent separately.
UPM = 2048
ADVANCE = 1950
ASCENT = 1755
DESCENT = 488
SPACE_ADVANCE = 1024
SCALE = 2.1           # Noto's 1000-unit drawings, enlarged to fill the cell
BOX = 1800            # no pictograph wider or taller than this
CENTRE_Y = (ASCENT - DESCENT) // 2
SYMBOL_BASE = 0xF000  # symbol fonts map code c at U+F000 + c


def glyph_name(code):
    return "sym%02X" % code


def build_glyph(glyph_set, name):
    """Redraw one source glyph scaled to the box and centred in the cell."""
    bounds_pen = BoundsPen(glyph_set)
    glyph_set[name].draw(bounds_pen)
    x0, y0, x1, y1 = bounds_pen.bounds
    scale = min(SCALE, BOX / (x1 - x0), BOX / (y1 - y0))
    dx = ADVANCE / 2 - scale * (x0 + x1) / 2
    dy = CENTRE_Y - scale * (y0 + y1) / 2
    pen = TTGlyphPen(None)
    glyph_set[name].draw(TransformPen(pen, (scale, 0, 0, scale, dx, dy)))
    return pen.glyph()


def empty_glyph():
    return TTGlyphPen(None).glyph()


def notdef_glyph():
    # A hollow box: outer contour clockwise, inner one counter-clockwise.
    pen = TTGlyphPen(None)
    for contour in (((200, 0), (200, 1400), (1000, 1400), (1000, 0)),
                    ((300, 100), (900, 100), (900, 1300), (300, 1300))):
        pen.moveTo(contour[0])
        for point in contour[1:]:
            pen.lineTo(point)
        pen.closePath()
    return pen.glyph()


def symbol_cmap(mapping):
    sub = CmapSubtable.newSubtable(4)
    sub.platformID, sub.platEncID, sub.language = 3, 0, 0
    sub.cmap = mapping
    cmap = newTable("cmap")
    cmap.tableVersion = 0
    cmap.tables = [sub]
    return cmap


def build_font():
    source = TTFont(SOURCE)
    source_cmap = source.getBestCmap()
    glyph_set = source.getGlyphSet()

    order = [".notdef", "space"] + [glyph_name(c) for c in sorted(PICTOGRAPHS)]
    glyphs = {".notdef": notdef_glyph(), "space": empty_glyph()}
    metrics = {".notdef": (1200, 200), "space": (SPACE_ADVANCE, 0)}
    mapping = {SYMBOL_BASE + 0x20: "space"}
    for code, uni in sorted(PICTOGRAPHS.items()):
        if uni not in source_cmap:
            sys.exit("U+%04X missing from %s" % (uni, SOURCE))
        name = glyph_name(code)
        glyph = build_glyph(glyph_set, source_cmap[uni])
        glyphs[name] = glyph
        metrics[name] = (ADVANCE, 0)  # lsb is set from the glyph below
        mapping[SYMBOL_BASE + code] = name

    fb = FontBuilder(UPM, isTTF=True)
    fb.setupGlyphOrder(order)
    fb.setupGlyf(glyphs)
    glyf = fb.font["glyf"]
    for name in order:
        advance, _ = metrics[name]
        glyph = glyf[name]
        glyph.recalcBounds(glyf)
        metrics[name] = (advance, getattr(glyph, "xMin", 0))
    fb.setupHorizontalMetrics(metrics)
    fb.setupHorizontalHeader(ascent=ASCENT, descent=-DESCENT)
    fb.font["cmap"] = symbol_cmap(mapping)

    copyright_line = ("Copyright 2017 Google Inc. All Rights Reserved. "
                      "Modified for Zafrena.")
    fb.setupNameTable({
        "copyright": copyright_line,
        "familyName": FAMILY,
        "styleName": "Regular",
        "uniqueFontIdentifier": "%s;ZAFR;ZafrenaSymbols-Regular" % VERSION,
        "fullName": FAMILY,
        "version": "Version " + VERSION,
        "psName": "ZafrenaSymbols-Regular",
        "description": "Pictographs derived from Noto Sans Symbols2.",
        "licenseDescription": (
            "This Font Software is licensed under the SIL Open Font "
            "License, Version 1.1."),
        "licenseInfoURL": "http://scripts.sil.org/OFL",
    }, mac=False)
    fb.setupOS2(
        version=4,
        achVendID="ZAFR",
        usWeightClass=400,
        fsType=0,
        fsSelection=0x40,  # REGULAR
        sTypoAscender=ASCENT, sTypoDescender=-DESCENT, sTypoLineGap=0,
        usWinAscent=ASCENT, usWinDescent=DESCENT,
        ulUnicodeRange1=0, ulUnicodeRange2=0,
        ulUnicodeRange3=0, ulUnicodeRange4=0,
        ulCodePageRange1=1 << 31,  # symbol character set: GDI needs this
        ulCodePageRange2=0,
        usFirstCharIndex=SYMBOL_BASE + 0x20,
        usLastCharIndex=SYMBOL_BASE + max(PICTOGRAPHS),
        usDefaultChar=0, usBreakChar=0x20,
        sxHeight=0, sCapHeight=0, usMaxContext=0,
        panose=pictorial_panose(),
    )
    fb.setupPost(keepGlyphNames=False)
    fb.setupMaxp()
    # Fixed dates keep the output byte-identical from run to run.
    fb.font.recalcTimestamp = False
    stamp = timestampFromString("Mon Jan  1 00:00:00 2024")
    fb.font["head"].created = fb.font["head"].modified = stamp
    fb.font["head"].fontRevision = float(VERSION)
    return fb.font


def pictorial_panose():
    p = Panose()
    for attr in ("bFamilyType", "bSerifStyle", "bWeight", "bProportion",
                 "bContrast", "bStrokeVariation", "bArmStyle", "bLetterForm",
                 "bMidline", "bXHeight"):
        setattr(p, attr, 0)
    p.bFamilyType = 5  # pictorial
    return p


def ofl_text():
    """The OFL as Debian ships it for Noto, reflowed into plain paragraphs."""
    with open(DEBIAN_COPYRIGHT, encoding="utf-8") as f:
        text = f.read()
    match = re.search(r"^License: OFL-1\.1\n((?: .*\n?)+)", text, re.M)
    body = match.group(1)
    paragraphs = []
    for chunk in body.split("\n .\n"):
        lines = [ln.strip() for ln in chunk.strip("\n").split("\n")]
        paragraphs.append(textwrap.fill(" ".join(lines), width=76))
    header = [
        "Zafrena Symbols is a Modified Version of Noto Sans Symbols2.",
        "",
        "Copyright 2017 Google Inc. All Rights Reserved.",
        "Copyright 2010, 2012-2020 Google Inc.",
        "Copyright 2015-2020 Google LLC.",
        "Noto is a trademark of Google Inc.",
        "",
        "This Font Software is licensed under the SIL Open Font License,",
        "Version 1.1. This license is copied below, and is also available",
        "with a FAQ at: http://scripts.sil.org/OFL",
        "",
        "-" * 59,
        "SIL OPEN FONT LICENSE Version 1.1 - 26 February 2007",
        "-" * 59,
        "",
        "",
    ]
    return "\n".join(header) + "\n\n".join(paragraphs) + "\n"


def main():
    os.makedirs(OUT_DIR, exist_ok=True)
    font = build_font()
    font.save(os.path.join(OUT_DIR, "ZafrenaSymbols.ttf"))
    with open(os.path.join(OUT_DIR, "OFL.txt"), "w", encoding="utf-8",
              newline="\n") as f:
        f.write(ofl_text())


if __name__ == "__main__":
    main()

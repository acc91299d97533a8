"""Outlines of glyphs as SVG path data.

The music signs come from the Emmentaler engraving font (OFL 1.1, Debian
package lilypond-fonts), the lettering from DejaVu (Debian fonts-dejavu-core).
Text is turned into paths so that the pictures look the same on every
machine, whatever fonts it has.
"""

import glob
import os

from fontTools.pens.svgPathPen import SVGPathPen
from fontTools.pens.transformPen import TransformPen
from fontTools.pens.boundsPen import BoundsPen
from fontTools.ttLib import TTFont

DEJAVU = "/usr/share/fonts/truetype/dejavu"


def _find_emmentaler():
    hits = sorted(glob.glob("/usr/share/lilypond/*/fonts/otf/emmentaler-20.otf"))
    if not hits:
        raise SystemExit("emmentaler-20.otf not found: apt-get install lilypond-fonts")
    return hits[-1]


def _num(v):
    s = f"{v:.2f}".rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


class _RoundingPen(SVGPathPen):
    """SVGPathPen writing two decimals, to keep the files small."""

    def __init__(self, glyphset):
        super().__init__(glyphset, ntos=_num)


class Font:
    def __init__(self, path):
        self.font = TTFont(path)
        self.glyphs = self.font.getGlyphSet()
        self.cmap = self.font.getBestCmap()
        self.upm = self.font["head"].unitsPerEm
        self.hmtx = self.font["hmtx"]

    def glyph_path(self, name, scale_x, scale_y, x, y):
        """Path data of glyph `name`, origin at (x, y), font units times scale
        (scale_y positive: the glyph is flipped to y-down)."""
        pen = _RoundingPen(self.glyphs)
        self.glyphs[name].draw(TransformPen(pen, (scale_x, 0, 0, -scale_y, x, y)))
        return pen.getCommands()

    def bounds(self, name):
        pen = BoundsPen(self.glyphs)
        self.glyphs[name].draw(pen)
        return pen.bounds

    def _name(self, ch):
        return self.cmap.get(ord(ch), ".notdef")

    def advance(self, text, size, spacing=0.0):
        s = size / self.upm
        return sum(self.hmtx[self._name(c)][0] * s + spacing for c in text) - (spacing if text else 0)

    def text_path(self, text, size, x, y, anchor="start", spacing=0.0, condense=1.0):
        """Path data for `text` with its baseline at y."""
        s = size / self.upm
        width = self.advance(text, size, spacing) * condense
        if anchor == "middle":
            x -= width / 2
        elif anchor == "end":
            x -= width
        parts = []
        for c in text:
            name = self._name(c)
            if c != " ":
                parts.append(self.glyph_path(name, s * condense, s, x, y))
            x += (self.hmtx[name][0] * s + spacing) * condense
        return " ".join(p for p in parts if p)


_cache = {}


def font(kind):
    files = {
        "music": _find_emmentaler(),
        "sans": os.path.join(DEJAVU, "DejaVuSans.ttf"),
        "sans-bold": os.path.join(DEJAVU, "DejaVuSans-Bold.ttf"),
        "sans-cond": os.path.join(DEJAVU, "DejaVuSansCondensed.ttf"),
        "sans-cond-bold": os.path.join(DEJAVU, "DejaVuSansCondensed-Bold.ttf"),
        "serif": os.path.join(DEJAVU, "DejaVuSerif.ttf"),
        "serif-bold": os.path.join(DEJAVU, "DejaVuSerif-Bold.ttf"),
        "serif-italic": os.path.join(DEJAVU, "DejaVuSerif-Italic.ttf"),
    }
    if kind not in _cache:
        _cache[kind] = Font(files[kind])
    return _cache[kind]


# Staff space of the music font's design, in font units: a black note head
# is a little taller than one space (272 units).
SPACE_UNITS = 250.0


def music(name, space_px, x, y, stretch_x=1.0):
    """Music sign `name` for a staff whose space is `space_px` pixels, with the
    glyph origin at (x, y)."""
    s = space_px / SPACE_UNITS
    return font("music").glyph_path(name, s * stretch_x, s, x, y)


def music_bounds(name, space_px):
    s = space_px / SPACE_UNITS
    x0, y0, x1, y1 = font("music").bounds(name)
    return x0 * s, -y1 * s, x1 * s, -y0 * s


def text(kind, string, size, x, y, anchor="start", spacing=0.0, condense=1.0):
    return font(kind).text_path(string, size, x, y, anchor, spacing, condense)


def text_width(kind, string, size, spacing=0.0):
    return font(kind).advance(string, size, spacing)

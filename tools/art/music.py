"""Notes, signs, clef, staff backgrounds, corners and their masks."""

from glyphs import music, music_bounds
from svg import Svg

INK = "#1b1b1b"
GREY = "#9b9b9b"
BLUE = "#2f6fd6"
LINE = "#262626"

SPACE = 8  # pixels between staff lines
STAFF_LINES = (28, 36, 44, 52, 60)
STAFF_ZONE = 36  # staff lines run left of this column

# The staff control draws a note picture with its top-left corner at
# (18, ys - 5) for the upper part of the staff and (18, ys - 32) for the lower
# part, so the head's centre lies 5 (resp. 32) rows below the picture's top.
NOTE_W, NOTE_H = 11, 37
HEAD_W = 10.0
STEM = 28  # three and a half spaces
# Pixel row r spans r..r+1, so a head on the line in row 28 is centred at 28.5.
UP_HEAD_Y, DOWN_HEAD_Y = 5.5, 32.5

# The signs are drawn at (5, ys - 18) (flat) and (1, ys - 15) (sharp).
FLAT_W, FLAT_H, FLAT_ORIGIN = 12, 26, (4.0, 18.5)
SHARP_W, SHARP_H, SHARP_ORIGIN = 16, 30, (6.0, 15.5)


def _head(x, y):
    """Black note head, exactly HEAD_W wide, centred vertically on y."""
    x0, _, x1, _ = music_bounds("noteheads.s2", SPACE)
    stretch = HEAD_W / (x1 - x0)
    return music("noteheads.s2", SPACE, x - x0 * stretch, y, stretch)


def note_up(colour, background="#ffffff"):
    """Head at the top, stem falling from its left side."""
    s = Svg(NOTE_W, NOTE_H)
    if background:
        s.rect(0, 0, NOTE_W, NOTE_H, fill=background)
    s.rect(0, UP_HEAD_Y, 1, STEM, fill=colour)
    s.path(_head(0, UP_HEAD_Y), fill=colour)
    return s


def note_down(colour, background="#ffffff"):
    """Head at the bottom, stem rising from its right side."""
    s = Svg(NOTE_W, NOTE_H)
    if background:
        s.rect(0, 0, NOTE_W, NOTE_H, fill=background)
    s.rect(HEAD_W - 1, DOWN_HEAD_Y - STEM, 1, STEM, fill=colour)
    s.path(_head(0, DOWN_HEAD_Y), fill=colour)
    return s


def flat(colour=INK):
    s = Svg(FLAT_W, FLAT_H)
    s.rect(0, 0, FLAT_W, FLAT_H, fill="#ffffff")
    s.path(music("accidentals.flat", SPACE, *FLAT_ORIGIN), fill=colour)
    return s


def sharp(colour=INK):
    s = Svg(SHARP_W, SHARP_H)
    s.rect(0, 0, SHARP_W, SHARP_H, fill="#ffffff")
    s.path(music("accidentals.sharp", SPACE, *SHARP_ORIGIN), fill=colour)
    return s


# The clef canvas is 22 x 87 and sits at the same top as the staves, so the
# G line is row 52; the clef's curl wraps it.
CLEF_W, CLEF_H = 22, 87


def treble(colour=INK, with_lines=True, background="#ffffff"):
    s = Svg(CLEF_W, CLEF_H)
    if background:
        s.rect(0, 0, CLEF_W, CLEF_H, fill=background)
    if with_lines:
        for y in STAFF_LINES:
            s.rect(0, y, CLEF_W, 1, fill=colour if colour != INK else LINE)
    x0, _, x1, _ = music_bounds("clefs.G", SPACE)
    s.path(music("clefs.G", SPACE, 0.3 - x0, 52.5), fill=colour)
    return s


# Staff backgrounds: 51 x 87, staff on the left, selectors right of x = 36:
# sharp above y 40, flat from y 40 on.
STAFF_W, STAFF_H = 51, 87
SEL_X, SEL_W = 38.5, 11
SHARP_SEL = (13.5, 23)  # top, height
FLAT_SEL = (46.5, 23)


def _selector(s, top, height, glyph, on):
    x, w = SEL_X, SEL_W
    if on:
        fill = s.linear(0, top, 0, top + height, [(0, "#8dbaf2"), (0.5, "#5b95e3"), (1, "#3a72c6")])
        stroke, ink = "#2c5ea8", "#fefefe"
    else:
        fill = s.linear(0, top, 0, top + height, [(0, "#fbfcfd"), (1, "#e2e7ee")])
        stroke, ink = "#a3adba", "#4a5566"
    s.rect(x, top, w, height, fill=fill, stroke=stroke, sw=1, rx=3)
    if not on:
        s.rect(x + 1, top + 1, w - 2, 1, fill="#ffffff")
    space = 5.2
    bx0, by0, bx1, by1 = music_bounds(glyph, space)
    cx = x + w / 2 - (bx0 + bx1) / 2
    cy = top + height / 2 - (by0 + by1) / 2
    s.path(music(glyph, space, cx, cy), fill=ink)


def staff(sharp_on=False, flat_on=False):
    s = Svg(STAFF_W, STAFF_H)
    s.rect(0, 0, STAFF_W, STAFF_H, fill="#ffffff")
    for y in STAFF_LINES:
        s.rect(0, y, STAFF_ZONE, 1, fill=LINE)
    # a faint rule between the staff and the selectors
    s.rect(STAFF_ZONE, 8, 1, STAFF_H - 16, fill="#dde2e8")
    _selector(s, *SHARP_SEL, "accidentals.sharp", sharp_on)
    _selector(s, *FLAT_SEL, "accidentals.flat", flat_on)
    return s


# Corners: the last staff of a row gets its right-hand corners rounded. The
# corner pictures are drawn through their masks over a square copied from
# the window backdrop, so what the mask lets through is the staff's white.
CORNER = 10
CORNER_R = 8


def _corner_shape(top):
    r = CORNER_R
    if top:
        return f"M0,0 H{CORNER - r} A{r},{r} 0 0 1 {CORNER},{r} V{CORNER} H0 Z"
    return f"M0,0 H{CORNER} V{CORNER - r} A{r},{r} 0 0 1 {CORNER - r},{CORNER} H0 Z"


def corner(top):
    s = Svg(CORNER, CORNER)
    s.rect(0, 0, CORNER, CORNER, fill="#ffffff")
    return s


def corner_mask(top):
    s = Svg(CORNER, CORNER)
    s.rect(0, 0, CORNER, CORNER, fill="#ffffff")
    s.path(_corner_shape(top), fill="#000000")
    return s


def all_pictures():
    return {
        "NoteUpPic": note_up(INK),
        "NoteDownPic": note_down(INK),
        "NoteupPicgrey": note_up(GREY),
        "NotedownPicgrey2": note_down(GREY),
        "NoteupPicblue3": note_up(BLUE),
        "NotedownPicblue2": note_down(BLUE),
        "NoteUpPicBlueMask3": note_up("#000000"),
        "NoteDownPicBlueMask": note_down("#000000"),
        "Flatpic": flat(),
        "SharpPic": sharp(),
        "treb7": treble(),
        "treb6mask": treble("#000000"),
        "NoSharpFlatStaff2": staff(),
        "SharpStaff2": staff(sharp_on=True),
        "FlatStaff2": staff(flat_on=True),
        "cornerwhite6": corner(True),
        "cornerbottom7": corner(False),
        "cornertopmask5": corner_mask(True),
        "cornerbottommask4": corner_mask(False),
    }

"""Icons and small signs: the application icon, the help button faces, the
arrows and the instrument list's highlight bar.

Pictures that their users make transparent (white not drawn) keep a pure
white background and use #fefefe wherever white belongs to the drawing."""

from glyphs import music, text
from svg import Svg, rounded_rect_path

NEAR_WHITE = "#fefefe"


def app_icon():
    s = Svg(64, 64)
    s.rect(0, 0, 64, 64, fill="#ffffff")
    # soft shadow, then the tile
    s.rect(4, 6, 57, 57, rx=13, fill="#000000", fill_opacity=0.10)
    s.rect(3, 4, 57, 57, rx=13, fill="#000000", fill_opacity=0.08)
    tile = s.linear(0, 2, 0, 60, [(0, "#5d9bea"), (0.55, "#2f67b5"), (1, "#1d4687")])
    s.rect(2, 2, 58, 58, rx=12, fill=tile, stroke="#173a70", sw=1)
    gloss = s.linear(0, 2, 0, 30, [(0, "#ffffff", 0.45), (1, "#ffffff", 0.0)])
    s.path(rounded_rect_path(3, 3, 56, 26, 11, 11, 0, 0), fill=gloss)
    # a short staff with clef and an interval: two whole notes and an arc
    space = 5
    top = 12
    for i in range(5):
        s.rect(6, top + i * space, 50, 0.9, fill=NEAR_WHITE, fill_opacity=0.9)
    s.path(music("clefs.G", space, 8, top + 3 * space + 0.45), fill=NEAR_WHITE)
    low_y, high_y = top + 4 * space + 0.45, top + 0.5 * space + 0.45
    s.path(music("noteheads.s0", space, 25, low_y), fill=NEAR_WHITE)
    s.path(music("noteheads.s0", space, 44, high_y), fill=NEAR_WHITE)
    s.path(f"M29,{low_y - 4.5} Q33,{high_y + 1} 41.5,{high_y + 0.5}", stroke="#ffd34d", sw=2,
           stroke_linecap="round")
    s.path(f"M42.3,{high_y + 0.5} l-4.2,-2.6 l0.6,4.6 z", fill="#ffd34d", stroke="#ffd34d", sw=1,
           stroke_linejoin="round")
    s.text(text("sans-bold", "ZARN", 10, 31, 53.5, anchor="middle", spacing=1.5), fill=NEAR_WHITE)
    return s


def _question(s, cx, cy, size, colour):
    d = text("sans-bold", "?", size, cx, cy + size * 0.36, anchor="middle")
    s.text(d, fill=colour)


def quest_light(selected):
    s = Svg(32, 32)
    s.rect(0, 0, 32, 32, fill="#ffffff")
    s.circle(16, 16.8, 14.6, fill="#000000", fill_opacity=0.16)
    if selected:
        face = s.radial(16, 11, 17, [(0, "#d8ecff"), (0.55, "#6aa8f2"), (1, "#2d6fd0")], fy=6)
        rim = "#1f56a8"
        mark = NEAR_WHITE
    else:
        face = s.radial(16, 11, 17, [(0, "#fbfdff"), (0.6, "#cfe2fa"), (1, "#8fb6e8")], fy=6)
        rim = "#5a86c2"
        mark = "#24508f"
    s.circle(16, 16, 14, fill=face, stroke=rim, sw=1.2)
    gloss = s.linear(0, 3, 0, 16, [(0, NEAR_WHITE, 0.85), (1, NEAR_WHITE, 0.0)])
    s.ellipse(16, 9.5, 9.5, 6, fill=gloss)
    _question(s, 16, 16, 19, mark)
    return s


def quest_grey():
    """The Stats window's help face, on its dark option bar (#585858)."""
    s = Svg(32, 32)
    s.rect(0, 0, 32, 32, fill="#585858")
    s.circle(16, 16.8, 14.6, fill="#000000", fill_opacity=0.25)
    face = s.radial(16, 11, 17, [(0, "#f2f2f2"), (0.6, "#c3c3c3"), (1, "#8c8c8c")], fy=6)
    s.circle(16, 16, 14, fill=face, stroke="#3e3e3e", sw=1.2)
    gloss = s.linear(0, 3, 0, 16, [(0, "#ffffff", 0.7), (1, "#ffffff", 0.0)])
    s.ellipse(16, 9.5, 9.5, 6, fill=gloss)
    _question(s, 16, 16, 19, "#3a3a3a")
    return s


def double_arrow():
    """The arc linking an interval popup to the two notes it lies between."""
    s = Svg(37, 18)
    s.rect(0, 0, 37, 18, fill="#ffffff")
    colour = "#2e5a9a"
    s.path("M5,14.5 Q18.5,-2.5 32,14.5", stroke=colour, sw=1.6, stroke_linecap="round")
    # heads pointing down onto the two note lights
    s.path("M2.2,16.6 L3.6,10.2 L8.4,13.6 Z", fill=colour)
    s.path("M34.8,16.6 L33.4,10.2 L28.6,13.6 Z", fill=colour)
    return s


def arrow():
    s = Svg(25, 15)
    s.rect(0, 0, 25, 15, fill="#ffffff")
    colour = "#d6452c"
    s.path("M1.5,5.2 H13.5 V1.2 L23.8,7.5 L13.5,13.8 V9.8 H1.5 Z", fill=colour,
           stroke="#a8321e", sw=0.8, stroke_linejoin="round")
    return s


def highlight():
    w, h = 154, 13
    s = Svg(w, h)
    bar = s.linear(0, 0, 0, h, [(0, "#b9d2f7"), (0.45, "#94b8ee"), (1, "#7aa3e4")])
    s.rect(0, 0, w, h, fill=bar)
    s.rect(0, 0, w, 1, fill="#dbe8fb")
    s.rect(0, h - 1, w, 1, fill="#5f8bd3")
    return s


def all_pictures():
    return {
        "icon64x64": app_icon(),
        "QuestLight": quest_light(False),
        "QuestLightSEL": quest_light(True),
        "QuestGrey": quest_grey(),
        "doublearrow4": double_arrow(),
        "arrow": arrow(),
        "Highlightpic": highlight(),
    }

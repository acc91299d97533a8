"""Illustrations of the instructions window: drawings of the main window's
own controls (the mode switch, the cheat read-out, the result displays and
the bottom controls), in the colours and places the window gives them."""

import palette as P
from glyphs import text, text_width
from icons import quest_light
from keyboard import small_keyboard
from svg import Svg

TEXT = "#1e1e1e"


def _label(s, string, x, baseline, size=12, kind="sans", fill=TEXT, anchor="start"):
    s.text(text(kind, string, size, x, baseline, anchor=anchor), fill=fill)


def _radio(s, cx, cy, on, r=6.5):
    face = s.linear(0, cy - r, 0, cy + r, [(0, "#ffffff"), (1, "#e3e7ed")])
    s.circle(cx, cy, r, fill=face, stroke="#7d8795", sw=1)
    if on:
        dot = s.radial(cx, cy - 1, r * 0.6, [(0, "#6aa8f2"), (1, "#2c64b8")])
        s.circle(cx, cy, r * 0.48, fill=dot)


def _check(s, x, y, on, size=13):
    face = s.linear(0, y, 0, y + size, [(0, "#ffffff"), (1, "#e3e7ed")])
    s.rect(x + 0.5, y + 0.5, size - 1, size - 1, rx=2.5, fill=face, stroke="#7d8795", sw=1)
    if on:
        s.path(f"M{x + 3},{y + size * 0.52} L{x + size * 0.42},{y + size - 3.2} L{x + size - 2.6},{y + 2.8}",
               stroke="#1f56a8", sw=2, stroke_linecap="round", stroke_linejoin="round")


def _button(s, x, y, w, h, caption, size=11):
    face = s.linear(0, y, 0, y + h, [(0, "#ffffff"), (0.5, "#f1f3f6"), (1, "#d9dee5")])
    s.rect(x + 0.5, y + 0.5, w - 1, h - 1, rx=4, fill=face, stroke="#8e98a6", sw=1)
    _label(s, caption, x + w / 2, y + h / 2 + size * 0.36, size=size, anchor="middle")


def _well(s, x, y, w, h):
    s.rect(x + 0.5, y + 0.5, w - 1, h - 1, rx=2, fill="#f7f8fa", stroke="#8f98a4", sw=1)
    s.rect(x + 1, y + 1, w - 2, 1, fill="#c5ccd5")


def _group(s, x, y, w, h):
    s.rect(x + 0.5, y + 0.5, w - 1, h - 1, rx=4, fill="none", stroke="#a7afba", sw=1)
    s.rect(x + 1.5, y + 1.5, w - 3, h - 3, rx=3, fill="none", stroke="#ffffff", sw=1,
           stroke_opacity=0.8)


def mode_switch(practice, height):
    """The mode choice as on the main window (window x 542, y 149 on)."""
    s = Svg(168, height)
    s.rect(0, 0, 168, height, fill=P.PANEL)
    ox, oy = 542, 149
    s.rect(544 - ox + 0.5, 153 - oy + 0.5, 163, 50, rx=8, fill="#808ecc", stroke="#8f8f8f", sw=1)
    _radio(s, 551 - ox + 9.5, 159 - oy + 9.5, practice)
    _label(s, "Practice", 571 - ox, 159 - oy + 14)
    _radio(s, 551 - ox + 9.5, 179 - oy + 9.5, not practice)
    _label(s, "Test", 571 - ox, 179 - oy + 14)
    _button(s, 639 - ox, 160 - oy, 60, 15, "Stats.")
    _button(s, 639 - ox, 180 - oy, 60, 15, "Check")
    s.rect(600 - ox, 189 - oy, 35, 2, fill="#000000")
    return s


def cheat():
    """The cheat read-out strip (window x 46, y 541 on), with Cheat ticked."""
    s = Svg(431, 39)
    s.rect(0, 0, 431, 39, fill=P.PANEL)
    ox, oy = 46, 541
    _group(s, 51 - ox, 545 - oy, 357, 32)
    _label(s, "+M3    -m2    +P5    -tt    +m6    -M2    +P4", 59 - ox + 173, 548 - oy + 17,
           anchor="middle")
    _check(s, 418 - ox + 1, 551 - oy + 4, True)
    _label(s, "Cheat", 418 - ox + 18, 551 - oy + 15)
    return s


def stat_windows():
    """The result displays, stacked: score, time to 100%, averages, running time."""
    w, h = 113, 150
    s = Svg(w, h)
    s.rect(0, 0, w, h, fill=P.PANEL)
    rows = [
        ("Score:", "100%", True, "#e00000", 13),
        ("Time to 100%:", "45 sec.", True, "#e00000", 10.5),
        ("Average Score:", "87%", False, TEXT, 10.5),
        ("Av. 100% Time:", "1.5 min.", False, TEXT, 10.5),
    ]
    y = 3
    for label, value, sunken, colour, size in rows:
        bh = 27 if size > 12 else 25
        if sunken:
            _well(s, 2, y, w - 4, bh)
        else:
            _group(s, 3, y, w - 6, bh)
        vkind = "sans-cond-bold" if size > 12 else "sans-cond"
        # shrink the lettering until label and value fit side by side
        while text_width("sans-cond", label, size) + text_width(vkind, value, size) + 5 > w - 14:
            size -= 0.25
        base = y + bh / 2 + size * 0.36
        kind = "sans-cond"
        _label(s, label, 7, base, size=size, kind=kind)
        _label(s, value, w - 7, base, size=size, kind=vkind, fill=colour, anchor="end")
        y += bh + 4
    _group(s, 3, y, w - 6, h - y - 3)
    size = 10.5
    while text_width("sans-cond", "Running for 12 minutes", size) > w - 14:
        size -= 0.25
    _label(s, "Running for 12 minutes", w / 2, y + (h - y - 3) / 2 + size * 0.36, size=size,
           kind="sans-cond", fill="#494949", anchor="middle")
    return s


def mouse_num():
    """The bottom controls: Show Notes with its display choice, Mouse Tips and
    the help button."""
    w, h = 264, 68
    s = Svg(w, h)
    s.rect(0, 0, w, h, fill=P.PANEL)
    kbd = small_keyboard()
    s.group("translate(2,2) scale(0.8)", kbd.body[1:])
    s.defs.extend(kbd.defs)
    _check(s, 36, 9, True)
    _label(s, "Show Notes", 53, 20, size=11.5)
    # arrow head pointing at "Show Notes"
    s.path("M130,16 L139,12 M130,16 L139,20", stroke=TEXT, sw=1)
    _group(s, 32, 31, 112, 35)
    _radio(s, 43, 41, True, r=5.5)
    _label(s, "Actual Pitch", 53, 45, size=11)
    _radio(s, 43, 56, False, r=5.5)
    _label(s, "Starting on C", 53, 60, size=11)
    # separator
    s.rect(154, 6, 1, 56, fill="#a1a9b4")
    s.rect(155, 6, 1, 56, fill="#ffffff")
    _check(s, 163, 27, True)
    _label(s, "Mouse", 181, 31, size=11.5)
    _label(s, "Tips", 181, 45, size=11.5)
    q = quest_light(False)
    # the help button without its white square
    s.defs.extend(q.defs)
    s.group("translate(226,18)", q.body[1:])
    return s


def all_pictures():
    return {
        "testPractice": mode_switch(practice=False, height=60),
        "PracticeTest": mode_switch(practice=True, height=61),
        "cheat": cheat(),
        "StatWins": stat_windows(),
        "MouseNum": mouse_num(),
    }

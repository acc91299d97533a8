"""Window backdrops: the main window (practice and test), the Stats window,
the About box / alert and the splash screen."""

import palette as P
from glyphs import music, music_bounds, text
from svg import Svg, rounded_rect_path

# Control groups of the main window the panels lie under: x, y, w, h
SETTINGS = (38, 13, 447, 229)
RESULTS = (541, 13, 170, 229)
BOTTOM_LEFT = (38, 538, 447, 108)
INSTRUMENTS = (540, 538, 171, 107)
KEYBOARD = (37, 437, 673, 80)
STAFF_TOP = 315
STAFF_H = 87
STAFF_LEFTS = (40, 104, 168, 231, 295, 359, 423, 487, 551, 615, 679)
BAND = (8, 248, 737, 184)  # band under note lights, popups, staves, note boxes


def _panel(s, rect, top, fill, edge, grow=2):
    x, y, w, h = rect
    x, y, w, h = x - grow, y - grow, w + 2 * grow, h + 2 * grow
    # a soft drop shadow
    s.rect(x + 1, y + 2, w, h, rx=9, fill="#000000", fill_opacity=0.07)
    g = s.linear(0, y, 0, y + h, [(0, top), (0.35, fill), (1, fill)])
    s.rect(x + 0.5, y + 0.5, w - 1, h - 1, rx=8, fill=g, stroke=edge, sw=1)
    s.rect(x + 8, y + 1.5, w - 16, 1, fill="#ffffff", fill_opacity=0.7)


def _main(test):
    h = 538 if test else 724
    s = Svg(753, h)
    if test:
        top, bottom = P.TEST_BASE_TOP, P.TEST_BASE_BOTTOM
        panel_top, panel, edge, accent = P.TEST_PANEL_TOP, P.TEST_PANEL, P.TEST_PANEL_EDGE, P.TEST_ACCENT
    else:
        top, bottom = P.BASE_TOP, P.BASE_BOTTOM
        panel_top, panel, edge, accent = P.PANEL_TOP, P.PANEL, P.PANEL_EDGE, P.ACCENT
    s.rect(0, 0, 753, h, fill=s.linear(0, 0, 0, 724, [(0, top), (1, bottom)]))
    # a fine light rule at the very top, like a toolbar's edge
    s.rect(0, 0, 753, 1, fill="#ffffff", fill_opacity=0.6)

    _panel(s, SETTINGS, panel_top, panel, edge)
    _panel(s, RESULTS, panel_top, panel, edge)

    # the pillar between the settings and the results: the program's mark
    # (practice) or the mode's name (test)
    px, py, pw, ph = 496, 13, 34, 229
    pillar = s.linear(px, 0, px + pw, 0, [(0, accent), (0.5, _lighter(accent)), (1, accent)])
    s.rect(px + 1, py + 2, pw, ph, rx=8, fill="#000000", fill_opacity=0.10)
    s.rect(px + 0.5, py + 0.5, pw - 1, ph - 1, rx=8, fill=pillar, stroke=_darker(accent), sw=1)
    label = "TEST  MODE" if test else "Z.A.R.N.  Dozi"
    size = 15
    cx, cy = px + pw / 2, py + ph / 2
    d = text("sans-bold", label, size, 0, 0, anchor="middle", spacing=1.6)
    s.group(f"translate({cx + size * 0.36:.2f},{cy:.2f}) rotate(-90)",
            [f'<path d="{d}" fill="#fefefe"/>'])

    _band(s)

    # the bed the keyboard lies in; the "Show Notes" frame is drawn over it
    kx, ky, kw, kh = KEYBOARD
    s.rect(kx - 5, ky - 5, kw + 10, kh + 10, rx=9, fill="#000000", fill_opacity=0.10)
    bed = s.linear(0, ky - 4, 0, ky + kh + 4, [(0, "#454a52"), (1, P.KEYBED)])
    s.rect(kx - 3.5, ky - 3.5, kw + 7, kh + 7, rx=8, fill=bed, stroke="#23262b", sw=1)

    if not test:
        _panel(s, BOTTOM_LEFT, panel_top, panel, edge)
        _panel(s, INSTRUMENTS, panel_top, panel, edge)
        # between the bottom panels: a small keyboard-and-note ornament
        s.path(music("clefs.G", 6.5, 502, 598), fill="#8995a4")
    return s


def _band(s):
    x, y, w, h = BAND
    s.rect(x + 1, y + 2, w, h, rx=11, fill="#000000", fill_opacity=0.08)
    s.rect(x + 0.5, y + 0.5, w - 1, h - 1, rx=10, fill=P.BAND, stroke=P.BAND_EDGE, sw=1)
    s.rect(x + 10, y + 1.5, w - 20, 1, fill="#ffffff", fill_opacity=0.45)
    # the clef card in front of the first staff: white, with the staff lines,
    # so the clef (drawn through its mask) stands on a staff
    cx = 12
    s.path(rounded_rect_path(cx, STAFF_TOP, STAFF_LEFTS[0] - cx + 1, STAFF_H, 8, 0, 0, 8),
           fill="#ffffff")
    for line in (28, 36, 44, 52, 60):
        s.rect(cx + 3, STAFF_TOP + line, STAFF_LEFTS[0] - cx - 2, 1, fill="#262626")
    # thin start-of-staff bar
    s.rect(cx + 3, STAFF_TOP + 28, 1, 33, fill="#262626")


def _lighter(c):
    r, g, b = int(c[1:3], 16), int(c[3:5], 16), int(c[5:7], 16)
    return "#%02x%02x%02x" % tuple(min(255, int(v + (255 - v) * 0.28)) for v in (r, g, b))


def _darker(c):
    r, g, b = int(c[1:3], 16), int(c[3:5], 16), int(c[5:7], 16)
    return "#%02x%02x%02x" % tuple(int(v * 0.72) for v in (r, g, b))


def stats():
    """Stats window, 690 x 620: four graph canvases at x 43, y 14/150/286/422
    (630 x 120) and the option bar at 42, 557 (634 x 52)."""
    s = Svg(690, 620)
    s.rect(0, 0, 690, 620, fill=s.linear(0, 0, 0, 620, [(0, "#fbfcfd"), (1, "#eef1f4")]))
    titles = [("Scores", "#3f8f4e"), ("Time to 100%", "#2f6fb8"),
              ("Average Score", "#3a8a8a"), ("Av. 100% Time", "#6a55a8")]
    for i, (title, colour) in enumerate(titles):
        y = 14 + 136 * i
        s.rect(44, y + 2, 630, 120, rx=6, fill="#000000", fill_opacity=0.08)
        s.rect(42.5, y - 0.5, 632, 122, rx=6, fill="#f6f6f6", stroke="#c4cad2", sw=1)
        tab = s.linear(6, 0, 36, 0, [(0, _darker(colour)), (0.5, colour), (1, _darker(colour))])
        s.rect(7, y + 3, 30, 114, rx=6, fill="#000000", fill_opacity=0.10)
        s.rect(6.5, y + 2.5, 29, 113, rx=6, fill=tab)
        size = 11.5
        d = text("sans-bold", title, size, 0, 0, anchor="middle", spacing=0.4)
        s.group(f"translate({21 + size * 0.36:.2f},{y + 59:.2f}) rotate(-90)",
                [f'<path d="{d}" fill="#fefefe"/>'])
    # under the dark option bar
    s.rect(43, 559, 634, 52, rx=8, fill="#000000", fill_opacity=0.12)
    s.rect(42, 557, 634, 52, rx=8, fill="#585858")
    return s


def instructions():
    """About box (284 x 350) and alert (382 x 108) backdrop. It is 382 x 350
    and changes only from top to bottom, so either window shows a whole,
    even backdrop."""
    w, h = 382, 350
    s = Svg(w, h)
    s.rect(0, 0, w, h, fill=s.linear(0, 0, 0, h, [(0, "#d6e0ec"), (0.3, "#eef2f7"),
                                                   (0.55, "#ffffff"), (1, "#ffffff")]))
    s.rect(0, 0, w, 1, fill="#ffffff", fill_opacity=0.8)
    return s


def splash():
    w, h = 736, 534
    s = Svg(w, h)
    s.rect(0, 0, w, h, fill=s.linear(0, 0, 0, h, [(0, "#fdfffc"), (1, "#e9eff6")]))

    # header
    head_h = 170
    s.rect(0, 0, w, head_h, fill=s.linear(0, 0, w, head_h, [(0, "#173763"), (0.6, "#24518f"),
                                                             (1, "#2f66ad")]))
    s.rect(0, head_h, w, 3, fill="#d9a93c")
    s.rect(0, head_h + 3, w, 1, fill="#000000", fill_opacity=0.15)
    # faint staff lines in the header
    for i in range(5):
        s.rect(0, 34 + i * 9, w, 1, fill="#ffffff", fill_opacity=0.07)
    s.text(text("serif-bold", "ZARN Dozi", 64, w / 2, 98, anchor="middle"), fill="#fefefe")
    s.text(text("sans-bold", "Z.A.R.N.", 20, w / 2, 137, anchor="middle", spacing=5),
           fill="#f2c75c")

    # a tone row on a staff: clef, notes and the intervals between them
    space = 12
    top = 236
    left, right = 70, 666
    for i in range(5):
        s.rect(left, top + i * space, right - left, 1.2, fill="#2a2f38")
    s.rect(left, top, 1.4, 4 * space + 1.2, fill="#2a2f38")
    s.rect(right - 1.4, top, 1.4, 4 * space + 1.2, fill="#2a2f38")
    s.path(music("clefs.G", space, left + 8, top + 3 * space), fill="#1b1b1b")
    # a tone row, with each interval named above the pair of notes: staff
    # steps above the bottom line (E4 = 0), accidental, name of the interval
    # that leads to the note
    row = [(2, None, ""), (4, None, "+M3"), (3, "sharp", "-m2"), (8, None, "+P5"),
           (6, "flat", "-M3"), (4, "flat", "-m3"), (7, "flat", "+P4"), (3, None, "-tt")]
    xs = [left + 96 + i * 66 for i in range(len(row))]
    bottom = top + 4 * space
    hx0, _, hx1, _ = music_bounds("noteheads.s2", space)
    head_w = hx1 - hx0
    prev = None
    for (step, acc, name), x in zip(row, xs):
        y = bottom - step * space / 2
        if acc:
            glyph = "accidentals." + acc
            ax0, _, ax1, _ = music_bounds(glyph, space)
            s.path(music(glyph, space, x - 3 - ax1, y), fill="#1b1b1b")
        s.path(music("noteheads.s2", space, x, y), fill="#1b1b1b")
        stem_up = step < 4
        if stem_up:
            s.rect(x + head_w - 1.3, y - 3.5 * space, 1.3, 3.5 * space, fill="#1b1b1b")
        else:
            s.rect(x, y, 1.3, 3.5 * space, fill="#1b1b1b")
        if prev is not None:
            px = prev + head_w / 2
            nx = x + head_w / 2
            mid = (px + nx) / 2
            s.path(f"M{px + 8:.1f},{top - 22} Q{mid:.1f},{top - 40} {nx - 8:.1f},{top - 22}",
                   stroke="#5b8fd6", sw=1.6, stroke_linecap="round")
            s.text(text("serif-italic", name, 15, mid, top - 40, anchor="middle"), fill="#24518f")
        prev = x

    s.text(text("serif-italic", "Improves Aural Recognition of Intervals in a Series", 21,
                w / 2, 346, anchor="middle"), fill="#26334a")
    s.text(text("serif-italic", "with Staff Notation", 21, w / 2, 374, anchor="middle"),
           fill="#26334a")

    # a keyboard strip along the foot, with the row's notes marked
    kx, ky, key_w, kh = 118, 404, 20, 72
    keys = 25
    s.rect(kx - 6, ky - 6, key_w * keys + 12, kh + 12, rx=7, fill="#2d3138")
    s.rect(kx - 6, ky - 6, key_w * keys + 12, 3, rx=1.5, fill="#7a2424")
    ivory = s.linear(0, ky, 0, ky + kh, [(0, "#ffffff"), (0.85, "#f7f7f3"), (1, "#dedfd8")])
    marked_white = {9, 11, 14}
    for i in range(keys):
        fill = s.linear(0, ky, 0, ky + kh, [(0, "#d3e4fb"), (1, "#8fb6ee")]) if i in marked_white else ivory
        s.path(rounded_rect_path(kx + i * key_w + 0.5, ky, key_w - 1, kh, 0, 0, 2.5, 2.5), fill=fill)
    black_after = {0, 1, 3, 4, 5}
    marked_black = {10}
    for i in range(keys - 1):
        if i % 7 in black_after:
            bx = kx + (i + 1) * key_w - 6
            fill = "#3d7fd9" if i in marked_black else "#16171a"
            s.path(rounded_rect_path(bx, ky, 12, kh * 0.6, 0, 0, 1.5, 1.5), fill=fill)
            s.rect(bx + 2, ky, 8, kh * 0.6 - 4, rx=1, fill="#ffffff", fill_opacity=0.10)

    s.text(text("sans", "Ear training for tone rows   \u00b7   Practice and Test modes   \u00b7   "
                "Score statistics", 12.5, w / 2, 510, anchor="middle"), fill="#5a6676")
    s.rect(0.5, 0.5, w - 1, h - 1, fill="none", stroke="#8b99ab", sw=1)
    return s


def all_pictures():
    return {
        "NewBackground13": _main(test=False),
        "NewBackground21": _main(test=True),
        "Graphs2h": stats(),
        "Instructions": instructions(),
        "Startup1": splash(),
    }

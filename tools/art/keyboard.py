"""The piano keyboard (673 x 80) and the small keyboard icon (37 x 33).

The keyboard is drawn to the key geometry the program hit-tests with: keys
from x = 4, 109 pixels an octave, the white keys' ranges below, black keys in
the upper 48 rows at their own ranges. A press therefore lands on the key the
picture shows.
"""

from palette import PANEL
from svg import Svg, rounded_rect_path

KB_W, KB_H = 673, 80
KEYS_X = 4
OCTAVE = 109
BLACK_ROWS = 49  # rows 0..48 hold the black keys

# (first, last) column of each white key within an octave, C D E F G A B
WHITE = [(0, 14), (15, 29), (30, 45), (46, 61), (62, 77), (78, 92), (93, 108)]
# (first, last) column of each black key within an octave, C# D# F# G# A#
BLACK = [(8, 18), (24, 34), (54, 64), (71, 81), (87, 97)]


def white_keys():
    """(x0, x1) pixel columns, inclusive, of every white key on the picture."""
    keys = []
    octave = 0
    while True:
        base = KEYS_X + OCTAVE * octave
        if base >= KB_W:
            return keys
        for a, b in WHITE:
            if base + a < KB_W:
                keys.append((base + a, min(base + b, KB_W - 1)))
        octave += 1


def black_keys():
    keys = []
    octave = 0
    while True:
        base = KEYS_X + OCTAVE * octave
        if base >= KB_W:
            return keys
        for a, b in BLACK:
            if base + a < KB_W:
                keys.append((base + a, min(base + b, KB_W - 1)))
        octave += 1


def keyboard():
    s = Svg(KB_W, KB_H)
    # the keybed, seen in the left-hand cheek and between the key fronts
    s.rect(0, 0, KB_W, KB_H, fill="#2a2b2e")
    cheek = s.linear(0, 0, KEYS_X, 0, [(0, "#1c1d20"), (1, "#3b3d42")])
    s.rect(0, 0, KEYS_X, KB_H, fill=cheek)

    ivory = s.linear(0, 0, 0, KB_H, [(0, "#f1f1ee"), (0.08, "#ffffff"), (0.86, "#fbfbf8"),
                                     (0.94, "#ecece7"), (1, "#d9d9d3")])
    for x0, x1 in white_keys():
        w = x1 - x0 + 1
        s.path(rounded_rect_path(x0, 0, w, KB_H - 1, 0, 0, 2.5, 2.5), fill=ivory)
        # the gap to the left-hand neighbour
        s.rect(x0, 0, 1, KB_H - 1, fill="#9c9c98")
        # the key front's lower edge
        s.rect(x0 + 1, KB_H - 5, w - 1, 1, fill="#e4e4de")

    body = s.linear(0, 0, 0, BLACK_ROWS, [(0, "#0b0b0c"), (0.75, "#1d1e21"), (1, "#2c2d31")])
    top = s.linear(0, 0, 0, BLACK_ROWS, [(0, "#2a2b2f"), (0.8, "#3c3e44"), (1, "#55575e")])
    for x0, x1 in black_keys():
        w = x1 - x0 + 1
        # a soft shadow falling on the white key to the right
        if x1 + 1 < KB_W:
            s.rect(x1 + 1, 0, 1, BLACK_ROWS - 2, fill="#c9c9c4")
        s.path(rounded_rect_path(x0, 0, w, BLACK_ROWS, 0, 0, 1.5, 1.5), fill=body)
        # the key's top face, narrower than its body, and its sloped front
        s.path(rounded_rect_path(x0 + 1.5, 0, w - 3, BLACK_ROWS - 6, 0, 0, 1, 1), fill=top)
        s.rect(x0 + 2.5, 2, 1, BLACK_ROWS - 12, fill="#6a6c73", fill_opacity=0.55)

    # felt strip along the back of the keys
    felt = s.linear(0, 0, 0, 3, [(0, "#4a1414"), (1, "#7a2424")])
    s.rect(KEYS_X, 0, KB_W - KEYS_X, 2, fill=felt)
    s.rect(KEYS_X, 2, KB_W - KEYS_X, 1, fill="#000000", fill_opacity=0.18)
    return s


def small_keyboard():
    """A small keyboard with a blue dot on one key: "show notes"."""
    w, h = 37, 33
    s = Svg(w, h)
    s.rect(0, 0, w, h, fill=PANEL)
    frame = s.linear(0, 2, 0, 31, [(0, "#4a4d53"), (1, "#25272b")])
    s.rect(1.5, 3.5, 34, 26, rx=3, fill=frame, stroke="#1b1c1f", sw=1)
    ivory = s.linear(0, 6, 0, 28, [(0, "#ffffff"), (0.85, "#f6f6f2"), (1, "#dcdcd5")])
    keys_x = 4
    key_w = 6
    for i in range(5):
        x = keys_x + i * key_w
        s.rect(x, 7, key_w - 1, 20, rx=1, fill=ivory)
    for i in (0, 1, 3):
        x = keys_x + (i + 1) * key_w - 2.5
        s.rect(x, 7, 4, 12, rx=0.8, fill="#151517")
    s.rect(3.5, 6, 30, 1.5, fill="#7a2424")
    # the note marker, as the keyboard shows it
    s.circle(keys_x + 2 * key_w + 2, 23, 2.6, fill="none", stroke="#3d86e0", sw=1.6)
    return s


def all_pictures():
    return {"Keyboard15": keyboard(), "smallKBD7": small_keyboard()}

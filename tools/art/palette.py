"""Colours shared by the backdrops and the pictures that sit on them."""

# main window backdrop
BASE_TOP = "#cfd4da"
BASE_BOTTOM = "#bfc5cd"
PANEL_TOP = "#e8ebef"
PANEL = "#e1e5ea"
PANEL_EDGE = "#9ea7b3"
BAND = "#b3bfcc"  # the band under the staves; staff corners are copied from it
BAND_EDGE = "#8d9aab"
KEYBED = "#33373d"

# test-mode backdrop: a warmer tone, the same band and keybed
TEST_BASE_TOP = "#d8d2cc"
TEST_BASE_BOTTOM = "#c9c1ba"
TEST_PANEL_TOP = "#efebe7"
TEST_PANEL = "#e8e2dc"
TEST_PANEL_EDGE = "#ab9f94"

ACCENT = "#2f63a8"
ACCENT_LIGHT = "#5b8fd6"
TEST_ACCENT = "#a8452f"

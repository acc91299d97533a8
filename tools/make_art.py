#!/usr/bin/python3
"""Writes every named picture of the program as SVG into resources/pictures.

Needs the Debian packages python3-fonttools, lilypond-fonts (the Emmentaler
music font, OFL) and fonts-dejavu-core. Run from anywhere:
    /usr/bin/python3 tools/make_art.py
The generated files are committed; the build only compiles them in.
"""

import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "art"))

import backdrops  # noqa: E402
import icons  # noqa: E402
import illustrations  # noqa: E402
import keyboard  # noqa: E402
import music  # noqa: E402


def main():
    out = os.path.join(HERE, "..", "resources", "pictures")
    os.makedirs(out, exist_ok=True)
    pictures = {}
    for module in (music, keyboard, icons, backdrops, illustrations):
        pictures.update(module.all_pictures())
    for name, svg in sorted(pictures.items()):
        with open(os.path.join(out, name + ".svg"), "w", encoding="utf-8") as f:
            f.write(svg.render())
    print(f"{len(pictures)} pictures written to {os.path.normpath(out)}")


if __name__ == "__main__":
    main()

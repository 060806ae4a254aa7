#!/usr/bin/env python3
"""Makes the game's font: a freely licensed font renamed to the family "Kavlor4".

Usage: make_game_font.py SOURCE.ttf OUTPUT.ttf
The glyphs are left as they are; only the names change, as the source's licence
requires of a derivative.
"""
import sys

from fontTools.ttLib import TTFont

FAMILY = "Kavlor4"
STYLE = "Regular"

NEW_NAMES = {
    1: FAMILY,  # family
    2: STYLE,  # subfamily
    3: FAMILY + "-" + STYLE,  # unique identifier
    4: FAMILY,  # full name
    6: FAMILY,  # PostScript name
    16: FAMILY,  # typographic family
    17: STYLE,  # typographic subfamily
}


def rename(font):
    names = font["name"]
    for record in names.names:
        if record.nameID in NEW_NAMES:
            record.string = NEW_NAMES[record.nameID]


def main(argv):
    if len(argv) != 3:
        sys.stderr.write(__doc__)
        return 2
    font = TTFont(argv[1], recalcTimestamp=False)
    rename(font)
    font.save(argv[2])
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))

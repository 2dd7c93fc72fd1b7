#!/usr/bin/env python3
"""Makes the speech font: Smiley Sans with its lines one em apart.

The speech box has 65 units above "-Enter-" for four lines of 16 units. Smiley Sans puts its
lines 1.2 em apart (ascender 970, descender 230, no gap), so a fourth line would run into the
prompt. A line gap of -200 brings the advance down to one em while the ascender and descender,
and with them where each line's glyphs sit and how they are drawn, stay those of the original.

The font is under the SIL Open Font License 1.1, which names no reserved font name for it; the
changed copy still gets a name of its own so that it is never taken for the original.

Usage: speech_font.py SMILEY_SANS_TTF OUTPUT_TTF
"""
import sys

try:
    from fontTools.ttLib import TTFont
except ImportError:
    sys.exit("speech_font.py needs Debian's python3-fonttools (scripts/deps.sh installs it)")

FAMILY = "Quenlit Speech Sans"
STYLE = "Oblique"
POSTSCRIPT = "QuenlitSpeechSans-Oblique"
LINE_GAP = -200  # in font units of 1000 to the em


def main(source, target):
    # Keep the original's dates so that every build makes the same file.
    font = TTFont(source, recalcTimestamp=False)
    font["hhea"].lineGap = LINE_GAP
    names = font["name"]
    version = names.getDebugName(5) or ""
    new_names = {
        1: FAMILY,
        3: f"{version};QUENLIT;{POSTSCRIPT}",
        4: f"{FAMILY} {STYLE}",
        6: POSTSCRIPT,
        16: FAMILY,
    }
    for record in names.names:
        if record.nameID in new_names:
            record.string = new_names[record.nameID]
        elif record.nameID == 17:
            record.string = STYLE
    font.save(target)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])

#!/usr/bin/env python3
"""Cuts the game folder's fonts down to the characters the game can draw, for the browser page.

The game draws a fixed set of texts: those of its text table (res/texts.txt), the characters'
speeches and the monster names of its data; its C++ sources are read as well. A browser
downloads every font whole, and the Chinese ones hold some ten thousand glyphs of which the
game needs a few hundred; keeping only the glyphs of the characters found in the text sources,
the digits and printable ASCII takes the fonts from about 30 MB to a few hundred KB.
Everything that shapes and draws the kept glyphs (layout features, hinting, metrics, names)
stays as it was, so a kept glyph looks the same in the page as on the desktop.

Files of the folder that are not fonts (the list of families, fonts.txt) are copied as they are.
A text source is a file (the text table, the monster table, the characters' speeches) or a
folder whose C++ sources are read.

Usage: page_fonts.py FONT_FOLDER OUTPUT_FOLDER TEXT_SOURCE...
"""
import logging
import os
import shutil
import sys

try:
    from fontTools import subset
except ImportError:
    sys.exit("page_fonts.py needs Debian's python3-fonttools (scripts/deps.sh installs it)")

FONT_SUFFIXES = (".ttf", ".otf")
SOURCE_SUFFIXES = (".cpp", ".h")
PRINTABLE_ASCII = {chr(c) for c in range(0x20, 0x7F)}


def files_of(source):
    if os.path.isdir(source):
        for folder, _, names in sorted(os.walk(source)):
            for name in sorted(names):
                if name.endswith(SOURCE_SUFFIXES):
                    yield os.path.join(folder, name)
    else:
        yield source


def characters_of(sources):
    characters = set(PRINTABLE_ASCII)
    for source in sources:
        for path in files_of(source):
            with open(path, encoding="utf-8") as text:
                characters.update(text.read())
    return {c for c in characters if c.isprintable() or c == "\u3000"}


def subset_options():
    options = subset.Options()
    options.layout_features = ["*"]
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.name_legacy = True
    options.legacy_kern = True
    options.notdef_outline = True
    options.symbol_cmap = True
    options.prune_unicode_ranges = False
    # Embedded bitmaps are what some sizes draw instead of the outlines.
    options.drop_tables = [
        table for table in options.drop_tables if table not in ("EBDT", "EBLC", "EBSC")
    ]
    return options


def cut_font(source, target, characters):
    options = subset_options()
    # The original's dates stay, so that every build makes the same file.
    font = subset.load_font(source, options, dontLoadGlyphNames=True)
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=sorted(ord(c) for c in characters))
    subsetter.subset(font)
    subset.save_font(font, target, options)


def main(font_folder, output_folder, sources):
    # fontTools names every table it leaves out (an old AAT "mort", which neither FreeType nor
    # HarfBuzz reads) and every quirk of the originals' padding: nothing to act on.
    logging.getLogger("fontTools").setLevel(logging.ERROR)
    characters = characters_of(sources)
    os.makedirs(output_folder, exist_ok=True)
    for name in sorted(os.listdir(font_folder)):
        source = os.path.join(font_folder, name)
        target = os.path.join(output_folder, name)
        if not os.path.isfile(source):
            continue
        if name.lower().endswith(FONT_SUFFIXES):
            cut_font(source, target, characters)
        else:
            shutil.copyfile(source, target)


if __name__ == "__main__":
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2], sys.argv[3:])

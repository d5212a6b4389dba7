#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Cuts Liberation Serif down to the characters the game can show, as WOFF2.

The characters are read from the string literals of the C++ headers given (the texts
of the form and the game, in English) and from the gettext catalogues given (the same
texts in each language), so a text changed there changes the font at the next build;
the characters the game's numbers are printed with are added to them.

Liberation's licence (SIL Open Font License 1.1) reserves the name "Liberation" for
the unmodified fonts, so the cut-down font is renamed; its licence file says what it
was made from and carries the original copyright and licence.

It also writes the style sheet's @font-face rule for the font, with the characters it
has as its unicode-range: a browser then fetches the font only for a text that needs
one of them and that no font before it in the list has, and never for a character the
font lacks, such as the Arabic name of a language in the page's strip.

Usage: subsetfont.py FONT COPYRIGHT OUT_FONT OUT_LICENCE OUT_FACE HEADER_OR_CATALOGUE...
Needs Debian's python3-fonttools, python3-brotli and python3-polib.
"""

import sys
from pathlib import Path

import polib
from fontTools import subset
from fontTools.ttLib import TTFont

FAMILY = "Rovalin Serif"
POSTSCRIPT_NAME = "RovalinSerif-Regular"

# What decimalText (game/arithmetic.cpp) prints a number with: digits, a minus sign,
# a decimal point and an exponent such as "e+20".
NUMBER_CHARACTERS = "0123456789-.e+"

SIMPLE_ESCAPES = {"n": "\n", "r": "\r", "t": "\t", "0": "\0", "\\": "\\", '"': '"', "'": "'", "?": "?"}


def string_literals(source):
    """The contents of the string and character literals in C++ source, comments left out."""
    literals = []
    at = 0
    while at < len(source):
        if source.startswith("//", at):
            at = source.find("\n", at)
            at = len(source) if at < 0 else at
        elif source.startswith("/*", at):
            at = source.index("*/", at) + 2
        elif source.startswith('R"', at) and not (at > 0 and (source[at - 1].isalnum() or source[at - 1] == "_")):
            open_at = source.index("(", at)
            closing = ")" + source[at + 2:open_at] + '"'
            end = source.index(closing, open_at)
            literals.append(source[open_at + 1:end])
            at = end + len(closing)
        elif source[at] in "\"'":
            quote = source[at]
            text = []
            at += 1
            while source[at] != quote:
                if source[at] == "\n":
                    raise ValueError("unterminated literal")
                if source[at] != "\\":
                    text.append(source[at])
                    at += 1
                    continue
                escape = source[at + 1]
                if escape in SIMPLE_ESCAPES:
                    text.append(SIMPLE_ESCAPES[escape])
                    at += 2
                elif escape == "x":
                    end = at + 2
                    while source[end] in "0123456789abcdefABCDEF":
                        end += 1
                    text.append(chr(int(source[at + 2:end], 16)))
                    at = end
                else:
                    raise ValueError(f"escape \\{escape} is not understood")
            literals.append("".join(text))
            at += 1
        else:
            at += 1
    return literals


def texts_of(path):
    """The texts of a catalogue (each in English and translated), or of a C++ header."""
    if path.endswith(".po"):
        return [text for entry in polib.pofile(path) for text in (entry.msgid, entry.msgstr)]
    return string_literals(Path(path).read_text(encoding="utf-8"))


def shown_characters(sources):
    characters = set(NUMBER_CHARACTERS)
    for source in sources:
        for text in texts_of(source):
            characters.update(text)
    # Line breaks and other controls are layout, not glyphs.
    return sorted(c for c in characters if c.isprintable())


def rename(font):
    names = font["name"]
    new_names = {1: FAMILY, 3: f"{POSTSCRIPT_NAME} (subset)", 4: FAMILY, 6: POSTSCRIPT_NAME,
                 16: FAMILY}
    for record in names.names:
        if record.nameID in new_names:
            record.string = new_names[record.nameID]
    # The typographic family and subfamily, where the font has them, name it too.
    names.names = [r for r in names.names if r.nameID not in (17, 18, 21, 22)]


def unicode_range(code_points):
    """code_points as a CSS unicode-range: runs of consecutive ones as U+first-last."""
    runs = []
    for point in sorted(code_points):
        if runs and point == runs[-1][1] + 1:
            runs[-1][1] = point
        else:
            runs.append([point, point])
    return ", ".join(f"U+{first:X}" if first == last else f"U+{first:X}-{last:X}" for first, last in runs)


def font_face(font_file, code_points):
    return (f'@font-face {{\n    font-family: "{FAMILY}";\n'
            f'    src: url("{Path(font_file).name}") format("woff2");\n'
            '    font-weight: normal;\n    font-style: normal;\n'
            f'    unicode-range: {unicode_range(code_points)};\n}}\n')


def main(argv):
    if len(argv) < 7:
        sys.exit(__doc__)
    font_path, copyright_path, out_font, out_licence, out_face, *sources = argv[1:]
    characters = shown_characters(sources)

    options = subset.Options()
    options.flavor = "woff2"
    # The browsers that fall back to this font (Android, Linux without Liberation)
    # hardly use TrueType hinting; without it the font is half the size.
    options.hinting = False
    options.name_IDs = ["*"]
    options.notdef_outline = True
    options.drop_tables += ["FFTM"]
    font = TTFont(font_path, recalcTimestamp=False)
    version = font["name"].getDebugName(5)
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=[ord(c) for c in characters])
    subsetter.subset(font)
    rename(font)
    font.flavor = "woff2"
    font.save(out_font)
    Path(out_face).write_text(font_face(out_font, font.getBestCmap().keys()), encoding="utf-8")

    licence = (
        f"{FAMILY} ({Path(out_font).name}) is Liberation Serif, {version}, from Debian's\n"
        f"fonts-liberation2, cut down to the {len(characters)} characters the game Ровалин shows\n"
        "and without hinting. As the licence asks of a modified version, it does not\n"
        "carry the reserved name Liberation. Its copyright and licence:\n\n"
    )
    Path(out_licence).write_text(licence + Path(copyright_path).read_text(encoding="utf-8"),
                                 encoding="utf-8")


if __name__ == "__main__":
    main(sys.argv)

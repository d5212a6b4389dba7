#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Cuts a font down to the characters the game can show, as WOFF2: Liberation Serif,
Times New Roman's metric twin, for the page's serif, and for the letters it lacks a
serif beside it: Amiri, a Naskh serif, for Arabic and Persian, Noto Serif Armenian for
Armenian.

The characters are read from the string literals of the C++ headers given (the texts
of the form and the game, in English) and from the gettext catalogues given (the same
texts in each language), so a text changed there changes the font at the next build;
the characters the game's numbers are printed with are added to them.

With --script, only the characters of that script are kept (such as Arabic: the font
for it need not carry digits and Latin letters, which the serif has), and of its
typographic features only those a script needs: its letters' forms and required
ligatures and the places of its marks. Amiri's optional ligatures would make the font
four times as large.

With --by-script, the font is cut into one file per script, OUT_FONT's "SCRIPT" the
script's name: the accented Latin letters, the Cyrillic and the Greek ones each in a
file of their own, and ASCII, the digits, signs and punctuation that every language
shares in "Common". A visit fetches the files of its own language's script only: the
letters that other languages bring along do not make a Bulgarian visit heavier.

A character's script is Common for ASCII, else the first word of its Unicode name
where that is one of SCRIPTS (LATIN SMALL LETTER C WITH CARON, ARMENIAN FULL STOP),
else Common (EN DASH).

The fonts' licence (SIL Open Font License 1.1) lets a font reserve its name for the
unmodified font, as Liberation does, so the cut-down font is renamed; its licence file
says what it was made from and carries the original copyright and licence.

It also writes the style sheet's @font-face rules for the font, with the characters
each file has as its unicode-range: a browser then fetches a file only for a text that
needs one of them and that no font before it in the list has, and never for a
character the font lacks, such as the Arabic name of a language in the page's list.

Usage: subsetfont.py [--script NAME | --by-script] FAMILY FONT COPYRIGHT OUT_FONT OUT_LICENCE
                     OUT_FACE HEADER_OR_CATALOGUE...
FAMILY is the cut-down font's name, such as "Rovalin Serif".
Needs Debian's python3-fonttools, python3-brotli and python3-polib.
"""

import sys
import unicodedata
from pathlib import Path

import polib
from fontTools import subset
from fontTools.ttLib import TTFont

# What decimalText (form/numbertext.cpp) prints a number with: digits and a minus sign.
NUMBER_CHARACTERS = "0123456789-"

# The typographic features a script's text needs, for the font cut down to one script:
# the forms of letters joined before and after, the required ligatures, the composed
# characters, the marks placed on letters and on marks, and the kerning.
NEEDED_FEATURES = ["isol", "init", "medi", "fina", "rlig", "ccmp", "locl", "mark", "mkmk", "kern"]

# The scripts a character may belong to besides Common, by the first word of its name.
SCRIPTS = ("LATIN", "GREEK", "CYRILLIC", "ARMENIAN", "ARABIC")

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


def script_of(character):
    # Every language's texts show some ASCII letters ("On Click", the event the task
    # statement names), which are thus Common.
    if character.isascii():
        return "Common"
    word = unicodedata.name(character, "").split(" ")[0]
    return word.capitalize() if word in SCRIPTS else "Common"


def shown_characters(sources):
    characters = set(NUMBER_CHARACTERS)
    for source in sources:
        for text in texts_of(source):
            characters.update(text)
    # Line breaks and other controls are layout, not glyphs.
    return sorted(c for c in characters if c.isprintable())


def rename(font, family):
    names = font["name"]
    postscript_name = family.replace(" ", "") + "-Regular"
    new_names = {1: family, 3: f"{postscript_name} (subset)", 4: family, 6: postscript_name, 16: family}
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
    return ",".join(f"U+{first:X}" if first == last else f"U+{first:X}-{last:X}" for first, last in runs)


def font_face(family, font_file, code_points):
    """The @font-face rule, on one line: every visit loads the style sheet. A face is of
    normal weight and style unless it says otherwise."""
    return (f'@font-face{{font-family:"{family}";src:url({Path(font_file).name}) format("woff2");'
            f'unicode-range:{unicode_range(code_points)}}}\n')


def cut(font_path, family, characters, out_font, script_features):
    """Writes the font cut down to characters as out_font; returns the code points it has."""
    options = subset.Options()
    options.flavor = "woff2"
    # The browsers that fall back to these fonts (Android, Linux without Liberation)
    # hardly use TrueType hinting; without it a font is half the size.
    options.hinting = False
    options.name_IDs = ["*"]
    options.notdef_outline = True
    options.drop_tables += ["FFTM"]
    if script_features:
        options.layout_features = NEEDED_FEATURES
    font = TTFont(font_path, recalcTimestamp=False)
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=[ord(c) for c in characters])
    subsetter.subset(font)
    rename(font, family)
    font.flavor = "woff2"
    font.save(out_font)
    return font.getBestCmap().keys()


def main(argv):
    arguments = argv[1:]
    script = None
    by_script = arguments[:1] == ["--by-script"]
    if by_script:
        arguments = arguments[1:]
    elif arguments[:1] == ["--script"]:
        script, arguments = arguments[1], arguments[2:]
    if len(arguments) < 7:
        sys.exit(__doc__)
    family, font_path, copyright_path, out_font, out_licence, out_face, *sources = arguments
    # Of them, those the font has: a script it has no letters of gets no file.
    cmap = TTFont(font_path, lazy=True).getBestCmap()
    characters = [c for c in shown_characters(sources) if ord(c) in cmap]
    if script:
        pieces = {out_font: [c for c in characters if script_of(c) == script]}
    elif by_script:
        scripts = sorted({script_of(c) for c in characters})
        pieces = {out_font.replace("SCRIPT", name): [c for c in characters if script_of(c) == name]
                  for name in scripts}
    else:
        pieces = {out_font: characters}

    faces = "".join(font_face(family, path, cut(font_path, family, kept, path, script is not None))
                    for path, kept in pieces.items())
    Path(out_face).write_text(faces, encoding="utf-8")

    original = TTFont(font_path, lazy=True)["name"]
    files = ", ".join(Path(path).name for path in pieces)
    licence = (
        f"{family} ({files}) is {original.getDebugName(1)}, {original.getDebugName(5)}, cut down to\n"
        f"the {sum(len(kept) for kept in pieces.values())} characters the game Ровалин shows and without "
        "hinting. As the\nlicence asks of a modified version, it does not carry the original font's name.\n"
        "Its copyright and licence:\n\n"
    )
    Path(out_licence).write_text(licence + Path(copyright_path).read_text(encoding="utf-8"),
                                 encoding="utf-8")


if __name__ == "__main__":
    main(sys.argv)

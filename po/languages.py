#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The program's table of languages, made from its catalogues.

Every edition reads this one table: the window (compiled in), the page's start
script, the desktop entry's actions, the metainfo's list and the tests. A language is
a catalogue, po/LL.po, and nothing else: the table gives for each its code (the
catalogue's name, "pt_BR"), its tag (as a browser names it, "pt-BR"), its direction
("ltr" or "rtl") and its name in itself, in the order a pupil reads a list of them.
It also names the language of the sources, which needs no catalogue, and the
language spoken when none of those asked for is there.

Usage: languages.py OUTPUT.json CATALOGUE...
Needs Debian's python3-polib.
"""

import json
import sys
import unicodedata
from pathlib import Path

import polib

# The language the sources are written in: its texts are the sources' own.
SOURCE = "en"
# The language the form was designed in, spoken when none asked for is there.
FALLBACK = "bg"

# The text form/formtexts.h marks as languageName: each catalogue gives the name of
# its language in that language.
LANGUAGE_NAME = "English"
# The text form/formtexts.h marks as the direction its language is written in: "RTL"
# in a catalogue of a language written right to left.
DIRECTION = "LTR"


def tag(code):
    """The language tag a browser uses for a catalogue's code: pt_BR is pt-BR."""
    return code.replace("_", "-")


def reading_order(name):
    """Where a language's name comes in a list read down: by its letters, an accented
    letter as the plain one ("Čeština" among the C), so the names in Latin letters
    first, then those in Greek, Cyrillic, Armenian and Arabic letters, as Unicode
    orders their scripts; the name itself keeps two that read alike apart."""
    plain = "".join(c for c in unicodedata.normalize("NFD", name) if not unicodedata.combining(c))
    return plain.casefold(), name


def entry(code, translations):
    """A language of the table, from its catalogue's translations (which msgfmt would
    compile: neither fuzzy nor obsolete)."""
    return {"code": code, "tag": tag(code),
            "dir": "rtl" if translations.get(DIRECTION) == "RTL" else "ltr",
            "name": translations.get(LANGUAGE_NAME, LANGUAGE_NAME)}


def table(catalogue_paths):
    languages = [entry(SOURCE, {})]
    for path in catalogue_paths:
        catalogue = polib.pofile(str(path))
        languages.append(entry(Path(path).stem, {text.msgid: text.msgstr for text in catalogue.translated_entries()
                                                 if not text.obsolete}))
    languages.sort(key=lambda language: reading_order(language["name"]))
    codes = [language["code"] for language in languages]
    if len(set(codes)) != len(codes):
        sys.exit(f"two catalogues of one language among {codes}")
    if FALLBACK not in codes:
        sys.exit(f"no catalogue of {FALLBACK}, the language spoken when none asked for is there")
    return {"source": SOURCE, "fallback": FALLBACK, "languages": languages}


def main(argv):
    if len(argv) < 2:
        sys.exit(__doc__)
    output, *catalogue_paths = argv[1:]
    text = json.dumps(table(catalogue_paths), ensure_ascii=False, indent=1) + "\n"
    # Written only when it changes, so that what depends on it is not made again.
    path = Path(output)
    if not path.exists() or path.read_text(encoding="utf-8") != text:
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_text(text, encoding="utf-8")


if __name__ == "__main__":
    main(sys.argv)

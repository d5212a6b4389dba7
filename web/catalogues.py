#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Turns the program's gettext catalogues into the files the page loads.

The program's texts are written in English, and the page speaks English and every
language it has a catalogue for. For each language LL the page gets lang/LL.js, the
translations of the form's texts, which the page loads only when it speaks that
language (English's is empty); rovalin.LL.webmanifest, which names the installed page
in that language; and a line in start.js, made from its template, which chooses the
language and offers every language in a list, in the order of their names. Adding po/LL.po and building again is
all a new language needs.

Usage: catalogues.py MANIFEST START_TEMPLATE OUT_DIR CATALOGUE...
Needs Debian's python3-polib.
"""

import json
import sys
import unicodedata
from pathlib import Path

import polib

# The text form/formtexts.h marks as languageName: each catalogue gives the name of its
# language in that language. (The name of the list of languages comes with the
# language's texts.)
LANGUAGE_NAME = "English"
# The text form/formtexts.h marks as the direction its language is written in: "RTL"
# in a catalogue of a language written right to left.
DIRECTION = "LTR"
# The language the texts are written in, which needs no catalogue.
SOURCE_LANGUAGE = "en"


def tag(code):
    """The language tag a browser uses for a catalogue's code: pt_BR is pt-BR."""
    return code.replace("_", "-")


def translations(catalogue):
    """The translations of the texts the form shows: the page needs none of those that
    only the desktop entry or the metainfo carry."""
    return {entry.msgid: entry.msgstr for entry in catalogue.translated_entries()
            if not entry.obsolete and any(path.startswith("form/") for path, _ in entry.occurrences)}


def reading_order(name):
    """Where a language's name comes in a list a pupil reads down: by its letters, an
    accented letter as the plain one ("Čeština" among the C), so the names in Latin
    letters first, then those in Greek, Cyrillic, Armenian and Arabic letters, as
    Unicode orders their scripts; the name itself keeps two that read alike apart."""
    plain = "".join(c for c in unicodedata.normalize("NFD", name) if not unicodedata.combining(c))
    return plain.casefold(), name


def write_script(path, variable, value):
    text = json.dumps(value, ensure_ascii=False, separators=(",", ":"), sort_keys=True)
    path.write_text(f"window.{variable}={text};\n", encoding="utf-8")


def direction(texts):
    """The direction the language of texts is written in, as HTML names it."""
    return "rtl" if texts.get(DIRECTION) == "RTL" else "ltr"


def write_manifest(path, manifest, code, texts):
    localised = dict(manifest)
    for field in ("name", "short_name", "description"):
        localised[field] = texts.get(manifest[field], manifest[field])
    # The installed app opens in the language it was installed in, offline too: the
    # page's address with the language, which the service worker answers from the copy
    # of index.html it keeps. The manifest names no id, which a browser would read from
    # the site's root: copies of the page in two folders of one site would then be one
    # app. Each language's app is known by its start_url instead.
    localised["start_url"] = f"./?lang={tag(code)}"
    localised["lang"] = tag(code)
    localised["dir"] = direction(texts)
    path.write_text(json.dumps(localised, ensure_ascii=False, indent=2) + "\n", encoding="utf-8")


def main(argv):
    if len(argv) < 4:
        sys.exit(__doc__)
    manifest_path, start_template, out_dir, *catalogue_paths = argv[1:]
    out = Path(out_dir)
    (out / "lang").mkdir(parents=True, exist_ok=True)
    manifest = json.loads(Path(manifest_path).read_text(encoding="utf-8"))

    languages = {SOURCE_LANGUAGE: {}}
    for path in catalogue_paths:
        languages[Path(path).stem] = translations(polib.pofile(path))

    listed = []
    for code, texts in sorted(languages.items()):
        write_script(out / "lang" / f"{code}.js", "rovalinTexts", texts)
        write_manifest(out / f"rovalin.{code}.webmanifest", manifest, code, texts)
        listed.append({"code": code, "tag": tag(code), "dir": direction(texts),
                       "name": texts.get(LANGUAGE_NAME, LANGUAGE_NAME)})
    listed.sort(key=lambda language: reading_order(language["name"]))
    start = Path(start_template).read_text(encoding="utf-8")
    (out / "start.js").write_text(start.replace("@LANGUAGES@", json.dumps(listed, ensure_ascii=False)),
                                  encoding="utf-8")


if __name__ == "__main__":
    main(sys.argv)

#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Turns the program's table of languages and its gettext catalogues into the files
the page loads.

For each language LL of the table (po/languages.py) the page gets lang/LL.js, the
translations of the form's texts, which the page loads only when it speaks that
language (the language of the sources needs none: its file is empty);
rovalin.LL.webmanifest, which names the installed page in that language; and the
table itself in start.js, made from its template, which chooses the language and
offers every language in a list. Adding po/LL.po and building again is all a new
language needs.

Usage: catalogues.py TABLE MANIFEST START_TEMPLATE OUT_DIR CATALOGUE...
Needs Debian's python3-polib.
"""

import json
import sys
from pathlib import Path

import polib


def translations(catalogue):
    """The translations of the texts the form shows: the page needs none of those that
    only the desktop entry or the metainfo carry."""
    return {entry.msgid: entry.msgstr for entry in catalogue.translated_entries()
            if not entry.obsolete and any(path.startswith("form/") for path, _ in entry.occurrences)}


def write_script(path, variable, value):
    text = json.dumps(value, ensure_ascii=False, separators=(",", ":"), sort_keys=True)
    path.write_text(f"window.{variable}={text};\n", encoding="utf-8")


def write_manifest(path, manifest, language, texts):
    localised = dict(manifest)
    for field in ("name", "short_name", "description"):
        localised[field] = texts.get(manifest[field], manifest[field])
    # The installed app opens in the language it was installed in, offline too: the
    # page's address with the language, which the service worker answers from the copy
    # of index.html it keeps. The manifest names no id, which a browser would read from
    # the site's root: copies of the page in two folders of one site would then be one
    # app. Each language's app is known by its start_url instead.
    localised["start_url"] = f"./?lang={language['tag']}"
    localised["lang"] = language["tag"]
    localised["dir"] = language["dir"]
    path.write_text(json.dumps(localised, ensure_ascii=False, indent=2) + "\n", encoding="utf-8")


def main(argv):
    if len(argv) < 5:
        sys.exit(__doc__)
    table_path, manifest_path, start_template, out_dir, *catalogue_paths = argv[1:]
    out = Path(out_dir)
    (out / "lang").mkdir(parents=True, exist_ok=True)
    table = json.loads(Path(table_path).read_text(encoding="utf-8"))
    manifest = json.loads(Path(manifest_path).read_text(encoding="utf-8"))
    catalogues = {Path(path).stem: path for path in catalogue_paths}

    for language in table["languages"]:
        code = language["code"]
        if code == table["source"]:
            texts = {}
        elif code in catalogues:
            texts = translations(polib.pofile(catalogues[code]))
        else:
            sys.exit(f"no catalogue of {code} among {catalogue_paths}")
        write_script(out / "lang" / f"{code}.js", "rovalinTexts", texts)
        write_manifest(out / f"rovalin.{code}.webmanifest", manifest, language, texts)
    # The page's copy of the table, each language as [code, tag, dir, name]: every visit
    # loads it, and without the names of the fields it is a third shorter.
    compact = dict(table, languages=[[language[field] for field in ("code", "tag", "dir", "name")]
                                     for language in table["languages"]])
    start = Path(start_template).read_text(encoding="utf-8")
    (out / "start.js").write_text(start.replace("@LANGUAGE_TABLE@", json.dumps(compact, ensure_ascii=False)),
                                  encoding="utf-8")


if __name__ == "__main__":
    main(sys.argv)

#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Writes a pseudo-language catalogue from the translators' template.

Every text becomes itself with each plain letter accented and a third longer, in
brackets: "Check" becomes "[Ćĥēćķ ~~]". Shown in that language, a program reveals any
text that no catalogue covers, which stays in plain ASCII, and any text that does not
fit its place. Placeholders (%s) and line breaks are kept as they are.

Usage: pseudo.py TEMPLATE.pot OUTPUT.po CODE
Needs Debian's python3-polib.
"""

import re
import sys

import polib

ACCENTED = dict(zip(
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ",
    "āƀćďēƒĝĥīĵķĺḿńōṕʠŕśţūṽŵẋýźĀƁĆĎĒƑĜĤĪĴĶĹḾŃŌṔɊŔŚŢŪṼŴẊÝŹ"))


def pseudo(text):
    # Each line on its own, so that line breaks stay where they are.
    lines = []
    for line in text.split("\n"):
        if not line:
            lines.append(line)
            continue
        parts = re.split(r"(%s)", line)
        accented = "".join(part if part == "%s" else "".join(ACCENTED.get(c, c) for c in part) for part in parts)
        lines.append(f"[{accented} {'~' * max(1, len(line) // 3)}]")
    return "\n".join(lines)


def main(argv):
    if len(argv) != 4:
        sys.exit(__doc__)
    template, output, code = argv[1:]
    catalogue = polib.pofile(template)
    catalogue.metadata.update({
        "Language": code,
        "Language-Team": "Pseudo-language",
        "Last-Translator": "The Rovalin developers <maintainers@rovalin.internal>",
        "PO-Revision-Date": catalogue.metadata.get("POT-Creation-Date", ""),
        "Plural-Forms": "nplurals=2; plural=(n != 1);",
    })
    for entry in catalogue:
        entry.msgstr = pseudo(entry.msgid)
        if "fuzzy" in entry.flags:
            entry.flags.remove("fuzzy")
    catalogue.save(output)


if __name__ == "__main__":
    main(sys.argv)

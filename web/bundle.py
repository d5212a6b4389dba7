#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Puts the game's WebAssembly into the page's script, as base64 in place of the
placeholder @WASM_BASE64@, so that the page is one classic script: a browser fetches
nothing from a page opened from disk.

Usage: bundle.py SCRIPT WASM OUT_SCRIPT
"""

import base64
import sys
from pathlib import Path


def main(argv):
    if len(argv) != 4:
        sys.exit(__doc__)
    script, wasm, out = (Path(arg) for arg in argv[1:])
    encoded = base64.b64encode(wasm.read_bytes()).decode("ascii")
    text = script.read_text(encoding="utf-8")
    if text.count("@WASM_BASE64@") != 1:
        sys.exit(f"{script} has no single @WASM_BASE64@")
    out.write_text(text.replace("@WASM_BASE64@", encoded), encoding="utf-8")


if __name__ == "__main__":
    main(sys.argv)

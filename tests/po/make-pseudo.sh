#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes the pseudo-language catalogue en_XA from the translators' template, as a new
# language would come: FOLDER/en_XA/LC_MESSAGES/rovalin.mo, for the tests that show
# the window in it.
# Usage: make-pseudo.sh SOURCE-DIR FOLDER
set -euo pipefail
source_dir=$1 folder=$2
mkdir -p "$folder/en_XA/LC_MESSAGES"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$(dirname "$0")/pseudo.py" "$source_dir/po/rovalin.pot" "$work/en_XA.po" en_XA
msgfmt --check --output-file="$folder/en_XA/LC_MESSAGES/rovalin.mo" "$work/en_XA.po"

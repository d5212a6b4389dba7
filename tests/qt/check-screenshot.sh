#!/usr/bin/env bash
# Starts the real program on a virtual X server, saves a picture of its window and
# checks the picture: the designed size, and the form and button colours on screen.
# Usage: check-screenshot.sh SCREENSHOT-SCRIPT BINARY OUTPUT.png
set -euo pipefail
screenshot=$1 binary=$2 output=$3

"$screenshot" "$binary" "$output"

size=$(identify -format '%w %h' "$output")
[ "$size" = "461 342" ] || { echo "window is $size, not 461 342"; exit 1; }

colour_at() { convert "$output" -format "%[pixel:p{$1,$2}]" info:; }
expect() {
    local actual
    actual=$(colour_at "$1" "$2")
    [ "$actual" = "$3" ] || { echo "pixel ($1,$2) is $actual, not $3 ($4)"; exit 1; }
}
expect 150 150 "srgb(0,192,0)" "form"
expect 60 20 "srgb(255,192,128)" "title label"
expect 292 62 "srgb(128,255,128)" "Провери"
expect 292 198 "srgb(255,0,0)" "Чисти"
echo "screenshot checked: $output"

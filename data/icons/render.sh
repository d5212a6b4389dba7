#!/bin/sh
# SPDX-License-Identifier: MIT
# Regenerates the PNG application icons from the scalable SVG.
# The PNGs are kept in the repository, so building Rovalin needs no SVG renderer;
# run this script after every change to the SVG and commit its output.
# Needs rsvg-convert (librsvg2-bin) and ImageMagick's convert.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
id=bg.rovalin.Rovalin
svg="$here/hicolor/scalable/apps/$id.svg"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

for tool in rsvg-convert convert; do
    command -v "$tool" >/dev/null 2>&1 || { echo "render.sh: $tool is missing" >&2; exit 1; }
done

# -strip and the excluded chunks keep the files free of timestamps, so that an
# unchanged SVG gives byte-identical PNGs.
png_opts="-strip -define png:exclude-chunks=date,time"

# 32x32: an 8-bit palette image (at most 256 colours) with per-entry alpha,
# which keeps the antialiased edges that ImageMagick's PNG8: would cut to
# on/off transparency.
rsvg-convert -w 32 -h 32 "$svg" -o "$tmp/32.png"
mkdir -p "$here/hicolor/32x32/apps"
# shellcheck disable=SC2086
convert "$tmp/32.png" -colors 256 -type PaletteAlpha $png_opts \
    "png:$here/hicolor/32x32/apps/$id.png"

# 48x48: full RGBA.
rsvg-convert -w 48 -h 48 "$svg" -o "$tmp/48.png"
mkdir -p "$here/hicolor/48x48/apps"
# shellcheck disable=SC2086
convert "$tmp/48.png" $png_opts "png32:$here/hicolor/48x48/apps/$id.png"

for size in 32 48; do
    file "$here/hicolor/${size}x${size}/apps/$id.png" 2>/dev/null || true
done

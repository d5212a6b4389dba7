#!/bin/bash
# SPDX-License-Identifier: MIT
# Installs the built project into a temporary prefix and checks the installed tree:
# the binary, its catalogues, desktop entry, metainfo, icons, manual pages, copyright
# file and changelog at their places, and each accepted by its checker without any
# warning.
#
# check-install.sh CMAKE BUILD-DIR CONFIG BINDIR DATADIR DOC-DIR SOURCE-DATA-DIR VERSION
set -u

if [ $# -ne 8 ]; then
    echo "usage: $0 CMAKE BUILD-DIR CONFIG BINDIR DATADIR DOC-DIR SOURCE-DATA-DIR VERSION" >&2
    exit 2
fi
cmake=$1 build=$2 config=$3 bindir=$4 datadir=$5 docdir=$6 srcdata=$7 version=$8

# shellcheck source=common.sh
. "$(dirname "$0")/common.sh"

require_tool desktop-file-validate desktop-file-utils
require_tool appstreamcli appstream
require_tool man man-db
require_tool lexgrog man-db
require_tool dpkg-parsechangelog dpkg-dev

make_temp_dir
prefix=$tmp/prefix

install_cmd=("$cmake" --install "$build" --prefix "$prefix")
[ -n "$config" ] && install_cmd+=(--config "$config")
if ! "${install_cmd[@]}" >"$tmp/install.log" 2>&1; then
    cat "$tmp/install.log" >&2
    echo "FAIL: cmake --install failed" >&2
    exit 1
fi

check_tree "$prefix" "$bindir" "$datadir" "$docdir" "$srcdata" "$version"

# The metainfo's template as a build with ROVALIN_HOMEPAGE and ROVALIN_SCREENSHOT_URL
# writes it, before the translations are merged in.
# The addresses are samples in example.org, the domain reserved for examples.
homepage=https://example.org/rovalin
shot='https://example.org/rovalin/docs/screenshot.png?raw=1&v=2'
links=$tmp/links.metainfo.xml
if "$cmake" -DTEMPLATE="$srcdata/$app_id.metainfo.xml.in" -DOUTPUT="$links" \
        -DHOMEPAGE="$homepage" -DSCREENSHOT_URL="$shot" -P "$srcdata/metainfo.cmake"; then
    validate_metainfo "$links"
    grep -qF "<url type=\"homepage\">$homepage</url>" "$links" ||
        fail "metainfo with links: no homepage $homepage"
    grep -qF "<image type=\"source\">${shot//&/&amp;}</image>" "$links" ||
        fail "metainfo with links: no screenshot image with the escaped address"
    grep -qF "<caption>The game window</caption>" "$links" ||
        fail "metainfo with links: no screenshot caption"
else
    fail "metainfo.cmake could not write the metainfo with links"
fi
# AppStream takes no local files as screenshots: such an address must be refused.
if "$cmake" -DTEMPLATE="$srcdata/$app_id.metainfo.xml.in" -DOUTPUT="$tmp/bad.xml" \
        -DHOMEPAGE= -DSCREENSHOT_URL=file:///usr/share/doc/rovalin/screenshot.png \
        -P "$srcdata/metainfo.cmake" >/dev/null 2>&1; then
    fail "metainfo.cmake accepted a file:// screenshot address"
fi

finish

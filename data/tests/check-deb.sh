#!/bin/bash
# SPDX-License-Identifier: MIT
# Builds the Debian package with CPack into a temporary directory, has Debian's
# package checker lintian check it, unpacks it and checks its files and control
# fields, then starts the unpacked program offscreen and expects it to paint its
# first frame and exit cleanly.
#
# check-deb.sh CPACK BUILD-DIR CONFIG BINDIR DATADIR DOC-DIR SOURCE-DATA-DIR VERSION
# (BINDIR, DATADIR and DOC-DIR relative to the install prefix, which is /usr.)
set -u

if [ $# -ne 8 ]; then
    echo "usage: $0 CPACK BUILD-DIR CONFIG BINDIR DATADIR DOC-DIR SOURCE-DATA-DIR VERSION" >&2
    exit 2
fi
cpack=$1 build=$2 config=$3 bindir=$4 datadir=$5 docdir=$6 srcdata=$7 version=$8

# shellcheck source=common.sh
. "$(dirname "$0")/common.sh"

require_tool dpkg-deb dpkg
require_tool dpkg-shlibdeps dpkg-dev
require_tool lintian lintian
require_tool desktop-file-validate desktop-file-utils
require_tool appstreamcli appstream
require_tool man man-db
require_tool lexgrog man-db
require_tool dpkg-parsechangelog dpkg-dev
require_tool timeout coreutils

make_temp_dir

cpack_cmd=("$cpack" -G DEB -B "$tmp/out" --config "$build/CPackConfig.cmake")
[ -n "$config" ] && cpack_cmd+=(-C "$config")
if ! (cd "$build" && "${cpack_cmd[@]}") >"$tmp/cpack.log" 2>&1; then
    cat "$tmp/cpack.log" >&2
    echo "FAIL: cpack -G DEB failed" >&2
    exit 1
fi

shopt -s nullglob
debs=("$tmp"/out/*.deb)
if [ ${#debs[@]} -ne 1 ]; then
    cat "$tmp/cpack.log" >&2
    echo "FAIL: expected one .deb from cpack, found ${#debs[@]}" >&2
    exit 1
fi
deb=${debs[0]}
echo "package: ${deb##*/}"

arch=$(dpkg --print-architecture)
[ "${deb##*/}" = "rovalin_${version}_${arch}.deb" ] ||
    fail "package file is ${deb##*/}, expected the Debian name rovalin_${version}_${arch}.deb"

# Debian's package checker, with its informational and pedantic tags shown: no error,
# no warning, and none of the hardening-* tags, which are only informational. Only
# optimised builds are hardened (cmake/hardening.cmake), so a package made from a
# debug or sanitizer build is spared the last. lintian exits 0 after warnings and
# informational tags, so its output is checked as well.
unwanted='^[EW]: '
case $config in
    Release|RelWithDebInfo) unwanted+='\|: hardening-' ;;
esac
lintian_out=$(lintian -I --pedantic "$deb" 2>"$tmp/lintian.err") rc=$?
echo "$lintian_out"
if [ $rc -ne 0 ] || grep -q "$unwanted" <<<"$lintian_out"; then
    cat "$tmp/lintian.err" >&2
    fail "lintian (exit $rc) reports errors, warnings or missing hardening in ${deb##*/}"
fi

# Control fields.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = rovalin ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', expected $version"
[ "$(field Section)" = education ] || fail "Section is '$(field Section)'"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture is '$(field Architecture)'"
[ -n "$(field Maintainer)" ] || fail "no Maintainer field"
[ "$(field Description | wc -l)" -ge 2 ] ||
    fail "Description has no long description: '$(field Description)'"
depends=$(field Depends)
echo "Depends: $depends"
# Named dependencies, and at least the ones dpkg-shlibdeps must find for a Qt Widgets
# program (without them the package would install on systems it cannot run on).
for dep in fonts-liberation2 qt6-translations-l10n libqt6widgets6 libc6; do
    # Whole package names in the comma-separated list, with or without a version.
    echo "$depends" | tr ',|' '\n' | sed 's/^ *//; s/ .*//' | grep -qx "$dep" ||
        fail "Depends lacks $dep"
done

# Files.
root=$tmp/root
if ! dpkg-deb -x "$deb" "$root"; then
    echo "FAIL: dpkg-deb -x could not unpack ${deb##*/}" >&2
    exit 1
fi
check_tree "$root" "usr/$bindir" "usr/$datadir" "usr/$docdir" "$srcdata" "$version"
if dpkg-deb -c "$deb" | awk '{ print $2 }' | grep -vqx 'root/root'; then
    fail "package has files not owned by root/root"
fi

# The unpacked program starts, paints its first frame and exits with status 0.
program=$root/usr/$bindir/rovalin
if [ -x "$program" ]; then
    env QT_QPA_PLATFORM=offscreen DBUS_SESSION_BUS_ADDRESS=disabled: \
        ROVALIN_QUIT_AFTER_FIRST_FRAME=1 \
        timeout 20 "$program" >"$tmp/run.log" 2>&1
    rc=$?
    if [ $rc -eq 124 ]; then
        fail "usr/$bindir/rovalin did not exit within 20 s of starting"
    elif [ $rc -ne 0 ]; then
        fail "usr/$bindir/rovalin exited with status $rc"
    fi
    if [ $rc -eq 0 ]; then
        echo "usr/$bindir/rovalin painted its first frame and exited with status 0"
    else
        cat "$tmp/run.log" >&2
    fi
fi

finish

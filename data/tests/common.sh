# SPDX-License-Identifier: MIT
# Checks shared by check-install.sh and check-deb.sh; sourced, not run.
# Each check reports every problem it finds through fail() and the calling
# script ends with finish(), so one run lists all faults at once.

app_id=bg.rovalin.Rovalin
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

finish() {
    if [ "$failures" -ne 0 ]; then
        echo "$failures check(s) failed" >&2
        exit 1
    fi
    echo "all checks passed"
}

# require_tool TOOL DEBIAN-PACKAGE: stop at once when a tool the checks need is missing.
require_tool() {
    if ! command -v "$1" >/dev/null 2>&1; then
        echo "FAIL: $1 is not installed (Debian package: $2)" >&2
        exit 1
    fi
}

# make_temp_dir: a fresh directory in $tmp, removed when the script exits. It is
# every tool's TMPDIR as well: lintian leaves a /tmp/mldbm-elf-* file behind on
# each run, which then goes with the rest.
make_temp_dir() {
    tmp=$(mktemp -d "${TMPDIR:-/tmp}/rovalin-check.XXXXXX")
    trap 'rm -rf "$tmp"' EXIT
    export TMPDIR=$tmp
}

# png_header FILE: prints "WIDTH HEIGHT BIT-DEPTH COLOUR-TYPE" from the PNG's IHDR,
# or nothing when FILE does not start with a PNG signature and an IHDR chunk.
png_header() {
    # shellcheck disable=SC2046 # the bytes are meant to become separate words
    set -- "$1" $(od -An -tu1 -N30 -v "$1" 2>/dev/null)
    [ $# -eq 31 ] || return 0
    [ "$2 $3 $4 $5 $6 $7 $8 $9" = "137 80 78 71 13 10 26 10" ] || return 0
    shift 9
    # $1..$4 chunk length, $5..$8 "IHDR", $9.. width, height, depth, colour type
    [ "$5 $6 $7 $8" = "73 72 68 82" ] || return 0
    shift 8
    echo "$(( ($1 << 24) | ($2 << 16) | ($3 << 8) | $4 ))" \
         "$(( ($5 << 24) | ($6 << 16) | ($7 << 8) | $8 ))" "$9" "${10}"
}

# desktop_key FILE KEY [GROUP]: the value of KEY in the [Desktop Entry] group, or in
# GROUP, the untranslated one for Name, the Bulgarian one for Name[bg].
desktop_key() {
    awk -v key="$2" -v group="[${3:-Desktop Entry}]" '
        /^\[/ { in_entry = ($0 == group); next }
        in_entry && index($0, key "=") == 1 { print substr($0, length(key) + 2); exit }
    ' "$1"
}

# xml_text FILE TAG: the text of every <TAG ...>text</TAG> that sits on one line.
xml_text() {
    sed -n "s|.*<$2\( [^>]*\)\{0,1\}>\([^<]*\)</$2>.*|\2|p" "$1"
}

# validate_metainfo FILE: appstreamcli must report no error (E:) and no warning (W:);
# it can exit 0 with warnings, so its output is checked as well.
validate_metainfo() {
    local out rc
    out=$(appstreamcli validate --no-net "$1" 2>&1) rc=$?
    echo "$out"
    if [ $rc -ne 0 ] || echo "$out" | grep -q '^[EW]:'; then
        fail "appstreamcli validate (exit $rc) reports errors or warnings in ${1##*/}"
    fi
}

# validate_copyright FILE LICENSE: FILE is in Debian's machine-readable copyright
# format, every licence it names has its text, and the text of the Expat (MIT)
# licence is the project's LICENSE. Uses Debian's own Python with python3-debian.
validate_copyright() {
    local out
    if ! /usr/bin/python3 -c 'import debian.copyright' 2>/dev/null; then
        fail "python3-debian is not installed: cannot check ${1##*/}"
        return
    fi
    out=$(/usr/bin/python3 - "$1" "$2" 2>&1 <<'PYTHON'
import sys
from debian import copyright as dep5, deb822

with open(sys.argv[1], encoding='utf-8') as f:
    lines = f.readlines()
with open(sys.argv[2], encoding='utf-8') as f:
    project_license = f.read()
try:
    c = dep5.Copyright(lines, strict=True)
except Exception as error:
    sys.exit(f'not machine-readable: {error}')
problems = []
if c.header.format != 'https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/':
    problems.append(f'Format is {c.header.format}')
files = list(c.all_files_paragraphs())
licenses = {p.license.synopsis: p.license.text for p in c.all_license_paragraphs()}
if len(list(deb822.Deb822.iter_paragraphs(lines))) != 1 + len(files) + len(licenses):
    problems.append('a paragraph is neither a Files nor a License paragraph')
for p in files:
    if not p.license.text and not licenses.get(p.license.synopsis):
        problems.append(f'{" ".join(p.files)}: no text for licence {p.license.synopsis}')
# LICENSE: title, blank line, copyright line, blank line, then the licence text.
if licenses.get('Expat', '').strip() != project_license.split('\n', 4)[4].strip():
    problems.append('the Expat text is not the text of LICENSE')
sys.exit('\n'.join(problems) or None)
PYTHON
    ) || fail "${1##*/}: $out"
}

# option_names: the option tags read, such as "-h, --help", "--language=CODE" or
# "--language <КОД>", without their values ("--language"), sorted. A manual page
# writes a value as manual pages do (--language=CODE), --help as Qt does
# (--language <CODE>), so only the names are compared.
option_names() {
    sed -E 's/(=[^ ,]*| <[^>]*>)//g' | sort
}

# check_manual_page PAGE OPTIONS-HEADING PROGRAM LANGUAGE: man reads PAGE without a
# warning, lexgrog finds its NAME line (for whatis and apropos), and the options the
# page lists under OPTIONS-HEADING are those that `PROGRAM --help` lists in LANGUAGE,
# the page's language.
check_manual_page() {
    local page=$1 heading=$2 program=$3 language=$4 out documented listed
    out=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
    [ -z "$out" ] || fail "man --warnings on ${page#"$root"/}: $out"
    LC_ALL=C.UTF-8 lexgrog "$page" >/dev/null ||
        fail "lexgrog finds no NAME line in ${page#"$root"/}"
    # Option tags as shown: "-h, --help" at the indentation of the section's text.
    documented=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -E UTF-8 -l "$page" 2>/dev/null | awk -v h="$heading" '
        /^[^ ]/ { in_options = ($0 == h); next }
        in_options && /^       -/ { sub(/^ +/, ""); sub(/  .*/, ""); print }' | option_names)
    # LANGUAGE comes first of the session's languages, whatever the locale says.
    listed=$(LANGUAGE=$language QT_QPA_PLATFORM=offscreen DBUS_SESSION_BUS_ADDRESS=disabled: \
        "$program" --help 2>/dev/null | sed -n 's/^  \(-.*\)/\1/p' | sed 's/  .*//' | option_names)
    if [ -z "$listed" ] || [ "$documented" != "$listed" ]; then
        fail "${page#"$root"/} documents the options '${documented//$'\n'/; }'" \
             "but LANGUAGE=$language rovalin --help lists '${listed//$'\n'/; }'"
    fi
}

# check_tree ROOT BINDIR DATADIR DOC-DIR SOURCE-DATA-DIR VERSION
# Checks an installed tree: every file at its place, the catalogues found by the
# program, the data files identical to the sources, the PNG sizes and formats, the
# validators' verdicts, the manual pages, the copyright file and the changelog, that
# the desktop entry, the metainfo, the icons and the binary refer to each other
# correctly, and the Bulgarian texts of the desktop entry and the metainfo.
check_tree() {
    local root=$1 bindir=$2 datadir=$3 docdir=$4 srcdata=$5 version=$6
    local share=$root/$datadir
    local desktop metainfo icons f rel src dst entry size want png got out rc exec_cmd
    local folder heading language id name listed keys key catalogues=() languages=(en)
    desktop=$share/applications/$app_id.desktop
    metainfo=$share/metainfo/$app_id.metainfo.xml
    icons=$share/icons/hicolor

    # Every file at its place, with the compiled catalogue of each po/LL.po where the
    # program looks for it, share/locale beside its folder.
    for f in "$srcdata"/../po/*.po; do
        f=${f##*/}
        catalogues+=("$share/locale/${f%.po}/LC_MESSAGES/rovalin.mo")
        languages+=("${f%.po}")
    done
    for f in "$root/$bindir/rovalin" "$desktop" "$metainfo" "${catalogues[@]}" \
             "$icons/scalable/apps/$app_id.svg" \
             "$icons/32x32/apps/$app_id.png" "$icons/48x48/apps/$app_id.png" \
             "$share/man/man1/rovalin.1.gz" "$share/man/bg/man1/rovalin.1.gz" \
             "$root/$docdir/copyright" "$root/$docdir/changelog.gz"; do
        [ -s "$f" ] || fail "missing or empty: ${f#"$root"/}"
    done
    [ -x "$root/$bindir/rovalin" ] || fail "$bindir/rovalin is not executable"
    # The installed program finds its installed catalogues: it speaks Bulgarian when
    # asked, where without its catalogue it would give the English of its sources.
    if [ -x "$root/$bindir/rovalin" ]; then
        out=$(LANGUAGE=bg QT_QPA_PLATFORM=offscreen DBUS_SESSION_BUS_ADDRESS=disabled: \
            "$root/$bindir/rovalin" --help 2>/dev/null)
        grep -q '^Ровалин: ' <<<"$out" ||
            fail "LANGUAGE=bg rovalin --help is not in Bulgarian: $(head -n 2 <<<"$out")"
    fi

    # Files that are installed as they are must be the files from the source tree.
    for rel in "icons/hicolor/scalable/apps/$app_id.svg:icons/hicolor/scalable/apps/$app_id.svg" \
               "icons/hicolor/32x32/apps/$app_id.png:icons/hicolor/32x32/apps/$app_id.png" \
               "icons/hicolor/48x48/apps/$app_id.png:icons/hicolor/48x48/apps/$app_id.png"; do
        src=$srcdata/${rel%%:*} dst=$share/${rel#*:}
        [ -f "$dst" ] && ! cmp -s "$src" "$dst" && fail "$dst differs from $src"
    done
    [ -f "$root/$docdir/copyright" ] && ! cmp -s "$srcdata/copyright" "$root/$docdir/copyright" &&
        fail "$docdir/copyright differs from $srcdata/copyright"
    # The desktop entry is its template with the translations added: none of the
    # template's lines is missing or changed.
    if [ -f "$desktop" ]; then
        out=$(grep -vxF -f "$desktop" "$srcdata/$app_id.desktop.in")
        [ -z "$out" ] || fail "desktop entry lacks these lines of its template: $out"
    fi

    # Icon sizes and formats: the 32x32 icon is an 8-bit palette image.
    for entry in "32x32:32 32 8 3" "48x48:48 48 8 6"; do
        size=${entry%%:*} want=${entry#*:}
        png=$icons/$size/apps/$app_id.png
        [ -f "$png" ] || continue
        got=$(png_header "$png")
        [ "$got" = "$want" ] ||
            fail "$size icon: width height depth colour-type are '$got', expected '$want'"
    done
    if [ -f "$icons/scalable/apps/$app_id.svg" ] &&
       ! grep -q '<svg[^>]*viewBox="0 0 32 32"' "$icons/scalable/apps/$app_id.svg"; then
        fail "the scalable icon is not a 32x32 SVG"
    fi

    # The validators. desktop-file-validate exits 0 after warnings and hints, so it
    # must print nothing at all.
    if [ -f "$desktop" ]; then
        out=$(desktop-file-validate "$desktop" 2>&1) rc=$?
        if [ $rc -ne 0 ] || [ -n "$out" ]; then
            fail "desktop-file-validate (exit $rc):"; echo "$out" >&2
        fi
    fi
    [ -f "$metainfo" ] && validate_metainfo "$metainfo"
    [ -f "$root/$docdir/copyright" ] &&
        validate_copyright "$root/$docdir/copyright" "$srcdata/../LICENSE"

    # The manual pages, English and Bulgarian, and the changelog of this version.
    # Each entry: the page's folder, its options heading and its language.
    for entry in "man1:OPTIONS:en" "bg/man1:ОПЦИИ:bg"; do
        IFS=: read -r folder heading language <<<"$entry"
        f=$share/man/$folder/rovalin.1.gz
        [ -f "$f" ] && [ -x "$root/$bindir/rovalin" ] &&
            check_manual_page "$f" "$heading" "$root/$bindir/rovalin" "$language"
    done
    if [ -f "$root/$docdir/changelog.gz" ]; then
        got=$(gzip -dc "$root/$docdir/changelog.gz" | dpkg-parsechangelog -l - -S Version 2>&1)
        [ "$got" = "$version" ] ||
            fail "changelog.gz: the latest entry is '$got', expected version $version"
    fi

    # The pieces refer to each other.
    if [ -f "$desktop" ]; then
        exec_cmd=$(desktop_key "$desktop" Exec)
        [ "${exec_cmd%% *}" = rovalin ] ||
            fail "desktop entry: Exec=$exec_cmd does not start the installed rovalin"
        [ "$(desktop_key "$desktop" Icon)" = "$app_id" ] ||
            fail "desktop entry: Icon is not $app_id"
        # An action starts the program in each of its languages, named in that
        # language as its installed catalogue names it (English by the sources).
        for language in "${languages[@]}"; do
            id=${language//[^A-Za-z0-9-]/-}
            name=$(LANGUAGE=$language LC_ALL=C.UTF-8 TEXTDOMAINDIR="$share/locale" gettext -d rovalin English)
            [[ ";$(desktop_key "$desktop" Actions)" == *";$id;"* ]] ||
                fail "desktop entry: Actions lacks $id"
            [ "$(desktop_key "$desktop" Name "Desktop Action $id")" = "$name" ] ||
                fail "desktop entry: the action $id is not named $name"
            [ "$(desktop_key "$desktop" Exec "Desktop Action $id")" = "rovalin --language=$language" ] ||
                fail "desktop entry: the action $id does not start rovalin --language=$language"
        done
        # In the order a teacher reads down a list: the names in Latin letters first,
        # by their letters with an accented one read as the plain one, then the others
        # by script and letters.
        listed=$(IFS=';'; for id in $(desktop_key "$desktop" Actions); do
            desktop_key "$desktop" Name "Desktop Action $id"; done)
        keys=$(while IFS= read -r name; do
            key=$(LC_ALL=C.UTF-8 iconv -f UTF-8 -t ASCII//TRANSLIT <<<"$name" 2>/dev/null)
            [[ -z $key || $key == *'?'* ]] && key="~$name"
            printf '%s\n' "${key,,}"
        done <<<"$listed")
        LC_ALL=C sort -c <<<"$keys" 2>/dev/null ||
            fail "desktop entry: the actions are not in the order of their names: ${listed//$'\n'/, }"
    fi
    if [ -f "$metainfo" ]; then
        [ "$(xml_text "$metainfo" id)" = "$app_id" ] || fail "metainfo: <id> is not $app_id"
        [ "$(xml_text "$metainfo" launchable)" = "$app_id.desktop" ] ||
            fail "metainfo: <launchable> does not name $app_id.desktop"
        [ "$(xml_text "$metainfo" binary)" = rovalin ] ||
            fail "metainfo: <provides> does not name the binary rovalin"
        grep -q '<content_rating type="oars-1.1"' "$metainfo" ||
            fail "metainfo: no OARS 1.1 content rating"
        grep -q "<release version=\"$version\"" "$metainfo" ||
            fail "metainfo: no <release> entry for version $version"
        # Every language the program speaks, whole, for a software centre to show.
        for language in "${languages[@]}"; do
            grep -qxF "<lang percentage=\"100\">$language</lang>" <(sed 's/^ *//' "$metainfo") ||
                fail "metainfo: <languages> does not list $language as translated whole"
        done
        [ "$(grep -c '<lang ' "$metainfo")" -eq "${#languages[@]}" ] ||
            fail "metainfo: <languages> lists other languages than ${languages[*]}"
    fi

    # The texts merged from the catalogues: English by default, and Bulgarian exactly as
    # the program has always given them.
    if [ -f "$desktop" ]; then
        for entry in "Name=Rovalin" "Name[bg]=Ровалин" "GenericName[bg]=Игра с остатъци" \
                     "Comment[bg]=Познай скритото число по остатъците при деление" \
                     "Keywords[bg]=деление;остатък;остатъци;делител;НОД;Евклид;математика;игра;"; do
            got=$(desktop_key "$desktop" "${entry%%=*}")
            [ "$got" = "${entry#*=}" ] ||
                fail "desktop entry: ${entry%%=*} is '$got', expected '${entry#*=}'"
        done
    fi
    if [ -f "$metainfo" ]; then
        for entry in '<name>Rovalin</name>' '<name xml:lang="bg">Ровалин</name>' \
                     '<summary xml:lang="bg">Познай скритото число по остатъците при деление</summary>' \
                     '<developer_name xml:lang="bg">Разработчиците на Ровалин</developer_name>' \
                     '<p xml:lang="bg">Първо издание.</p>'; do
            sed 's/^ *//' "$metainfo" | grep -qxF -- "$entry" || fail "metainfo: no line $entry"
        done
        # Every English paragraph has its Bulgarian one: a paragraph whose English has
        # changed loses it until po/bg.po catches up.
        got="$(grep -c '<p>' "$metainfo") $(grep -c '<p xml:lang="bg">' "$metainfo")"
        [ "${got% *}" = "${got#* }" ] ||
            fail "metainfo: paragraphs in English and in Bulgarian are '$got', not as many"
    fi
}

#!/usr/bin/env bash
# The program's command line: help and version print and succeed, anything unknown
# is refused with exit code 2, Qt's own options still work; and it answers in the
# language asked for, with --language or by the session, Bulgarian otherwise.
# Usage: check-command-line.sh BINARY
set -uo pipefail
binary=$1
export QT_QPA_PLATFORM=offscreen DBUS_SESSION_BUS_ADDRESS=disabled:
failures=0

# expect CODE PATTERN ARGS...: the exit code, and a pattern the output must contain.
expect() {
    local code=$1 pattern=$2 output actual
    shift 2
    output=$("$binary" "$@" 2>&1)
    actual=$?
    if [ "$actual" -ne "$code" ] || ! grep -q -- "$pattern" <<<"$output"; then
        echo "FAIL: rovalin $* exited $actual (expected $code) and printed:"
        echo "$output"
        failures=$((failures + 1))
    fi
}

expect 0 "--version" --help
expect 0 "Ровалин" --help
expect 0 "^Rovalin [0-9]\+\.[0-9]\+\.[0-9]\+$" --version
expect 2 "bogus" --bogus
expect 2 "--help" --bogus
expect 2 "аргументи" stray-argument
# The language: the option first, then the session's, Bulgarian where there is no
# catalogue for either.
expect 0 "^Rovalin: a game" --help --language=en
LANGUAGE=en expect 0 "^Rovalin: a game" --help
LANGUAGE=en expect 0 "^Ровалин: игра" --help --language=bg
# A language of a catalogue, which the program finds in share/locale beside its folder.
LANGUAGE=de expect 0 "^Rovalin: ein Spiel" --help
LANGUAGE=en:bg LANG=C expect 0 "^Rovalin: a game" --help
LANGUAGE= LC_ALL=en_GB.UTF-8 LC_MESSAGES=bg_BG.UTF-8 expect 0 "^Rovalin: a game" --help
LANGUAGE= LC_ALL= LANG=ja_JP.UTF-8 expect 0 "^Ровалин: игра" --help
LANGUAGE=xx expect 0 "^Ровалин: игра" --help
# A language's name in any case.
expect 0 "^Rovalin: a game" --help --language=EN
LANGUAGE=UK expect 0 "^Ровалін: гра" --help
expect 2 "See “rovalin --help”" --bogus --language=en
# A catalogue that cannot be read, as in a broken installation: the program speaks the
# language of its sources, and says why.
broken=$(mktemp -d)
trap 'rm -rf "$broken"' EXIT
mkdir -p "$broken/bin" "$broken/share/locale/de/LC_MESSAGES"
cp "$binary" "$broken/bin/rovalin"
printf 'msgid "Check"\nmsgstr "Prüfen"\n' >"$broken/share/locale/de/LC_MESSAGES/rovalin.mo"
binary=$broken/bin/rovalin LANGUAGE=de expect 0 "could not be read; the program speaks English" --help
binary=$broken/bin/rovalin LANGUAGE=de expect 0 "^Rovalin: a game" --help
# Qt's own options are taken by Qt, not refused.
ROVALIN_QUIT_AFTER_FIRST_FRAME=1 expect 0 "" -style fusion
ROVALIN_QUIT_AFTER_FIRST_FRAME=1 expect 0 "" -platform offscreen

[ "$failures" -eq 0 ] && echo "command line checked"
exit "$failures"

#!/usr/bin/env bash
# The program's command line: help and version print and succeed, anything unknown
# is refused with exit code 2, Qt's own options still work.
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
# Qt's own options are taken by Qt, not refused.
ROVALIN_QUIT_AFTER_FIRST_FRAME=1 expect 0 "" -style fusion
ROVALIN_QUIT_AFTER_FIRST_FRAME=1 expect 0 "" -platform offscreen

[ "$failures" -eq 0 ] && echo "command line checked"
exit "$failures"

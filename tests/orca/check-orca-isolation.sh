#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the Orca check while another process named orca of this user runs, as the
# screen reader of whoever runs the tests would, and expects that process to be
# alive after each run: with a PID namespace the check passes beside it; without
# one (an unshare that always fails comes first on PATH) the check skips. The home
# the check is started with must stay as it was: empty.
# Usage: check-orca-isolation.sh CHECK-ORCA BINARY
# Exits 77 (skipped) when this machine cannot make the namespace.
set -euo pipefail
check=$1 binary=$2

work=$(mktemp -d)
standin=
cleanup() {
    [ -z "$standin" ] || kill "$standin" 2>/dev/null || true
    wait || true
    rm -rf "$work"
}
trap cleanup EXIT

# The stand-in: sleep started under the file name orca, so that its process name,
# which "pgrep -x orca" matches, is orca.
ln -s "$(command -v sleep)" "$work/orca"
"$work/orca" 600 >/dev/null 2>&1 </dev/null &
standin=$!
pgrep -u "$(id -u)" -x orca | grep -qx "$standin" ||
    { echo "FAIL: pgrep does not take the stand-in $standin for an Orca" >&2; exit 1; }

mkdir "$work/no-namespaces" "$work/home"
printf '#!/bin/sh\nexit 1\n' >"$work/no-namespaces/unshare"
chmod +x "$work/no-namespaces/unshare"

# What comes first on PATH, and the exit status the check must end with.
cases=(
    ":0"
    "$work/no-namespaces:77"
)
skipped=
for row in "${cases[@]}"; do
    first=${row%:*} want=${row##*:}
    echo "--- PATH=${first:+$first:}…, expecting exit status $want"
    status=0
    HOME=$work/home PATH="${first:+$first:}$PATH" "$check" "$binary" || status=$?
    [ "$(cat "/proc/$standin/comm" 2>/dev/null)" = orca ] ||
        { echo "FAIL: the stand-in orca $standin did not outlive the check" >&2; exit 1; }
    [ -z "$(ls -A "$work/home")" ] ||
        { echo "FAIL: the check wrote into the home it was started with:" >&2
          find "$work/home" -mindepth 1 >&2; exit 1; }
    if [ "$status" -eq 77 ] && [ "$want" -eq 0 ]; then
        skipped=yes
    elif [ "$status" -ne "$want" ]; then
        echo "FAIL: the check exited $status, not $want" >&2
        exit 1
    fi
done
if [ -n "$skipped" ]; then
    echo "SKIP: no PID namespace could be made here; the stand-in orca outlived the check"
    exit 77
fi
echo "the stand-in orca $standin outlived every run of the check"

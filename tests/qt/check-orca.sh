#!/usr/bin/env bash
# Plays a game by keyboard on the real program while the Orca screen reader listens,
# and expects Orca to speak what each step changed, though the focus never leaves the
# list and the buttons: the remainder after each question, the verdict on the guess,
# the divisor after "Провери" and the new game after "Чисти". Orca writes every
# utterance to its debug file as a "SPEECH OUTPUT: '…'" line.
# Usage: check-orca.sh BINARY
set -euo pipefail
binary=$(realpath "$1")

# A virtual X server and a private session bus, on which Orca starts the
# accessibility bus; nothing of the machine's own session is touched.
# The run's mark, which every process of the session inherits.
if [ -z "${ROVALIN_INSIDE_SESSION:-}" ]; then
    export ROVALIN_INSIDE_SESSION="orca-check-$$"
    exec xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24" \
        dbus-run-session -- "$0" "$@"
fi

work=$(mktemp -d)
export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$HOME/.local/share/orca" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
# No speech server: Orca still logs every utterance, and never waits for a server
# (trying to start speech-dispatcher without a sound system can take minutes). The
# debug file is written line by line, so that each utterance can be read at once.
cat >"$HOME/.local/share/orca/orca-customizations.py" <<'PYTHON'
import orca.debug
import orca.settings
orca.settings.speechFactoryModules = []
orca.settings.speechServerFactory = None
if orca.debug.debugFile:
    orca.debug.debugFile.flush()
    orca.debug.debugFile = open(orca.debug.debugFile.name, "a", buffering=1)
PYTHON
unset QT_QPA_PLATFORM
speech=$work/orca.log
pids=()
cleanup() {
    kill "${pids[@]}" 2>/dev/null || true
    wait 2>/dev/null || true
    # The accessibility bus and its registry leave the session's process tree and
    # could outlive it, keeping the test runner waiting on their output: stop the
    # run's own, found by its mark. The session bus itself (a sibling of this script)
    # is dbus-run-session's to end.
    local environ pid
    for environ in /proc/[0-9]*/environ; do
        pid=${environ#/proc/}
        pid=${pid%/environ}
        case $(cat "/proc/$pid/comm" 2>/dev/null) in
        at-spi* | dbus-daemon)
            [ "$(ps -o ppid= -p "$pid" | tr -d ' ')" != "$PPID" ] &&
                { tr '\0' '\n' <"$environ"; } 2>/dev/null |
                grep -qxF "ROVALIN_INSIDE_SESSION=$ROVALIN_INSIDE_SESSION" &&
                kill "$pid" 2>/dev/null ;;
        esac
    done
    rm -rf "$work"
}
trap cleanup EXIT

# Waits until Orca has spoken a line matching the pattern after the lines already
# heard; prints what it said and keeps its last number in $number.
heard=0
number=
hear() {
    local pattern=$1 what=$2
    for _ in $(seq 1 200); do
        local line
        line=$(grep -a "SPEECH OUTPUT: '" "$speech" 2>/dev/null | tail -n +$((heard + 1)) \
            | grep -a -n -m 1 -E "SPEECH OUTPUT: '(notification )?$pattern\.?'" || true)
        if [ -n "$line" ]; then
            heard=$((heard + ${line%%:*}))
            line=${line#*SPEECH OUTPUT: }
            echo "heard ${what}: ${line%%\'\{*}'"
            number=$(grep -o -E '[0-9]+' <<<"${line%%\'\{*}" | tail -n 1 || true)
            return 0
        fi
        sleep 0.1
    done
    echo "FAIL: Orca did not say $what ($pattern); it said:" >&2
    grep -a "SPEECH OUTPUT" "$speech" >&2 || true
    exit 1
}

orca --replace --debug-file="$speech" >"$work/orca.out" 2>&1 &
pids+=($!)
hear "Screen reader on" "that it is on"

"$binary" >"$work/program.out" 2>&1 &
pids+=($!)
window=$(xdotool search --sync --name '^Ровалин$' | head -n 1)
xdotool windowfocus --sync "$window"

press() { xdotool key --delay 100 "$@"; }
# Down picks the first number of each list: 20, then 50 (never a multiple of 20),
# then the guess 1, which is never the hidden number.
press Tab Down
hear "Остатък [0-9]+" "the first remainder"
first=$((20 - number))
press Down
hear "Остатък [0-9]+" "the second remainder"
second=$((50 - number))
press Down
hear "Не" "the verdict"
press Tab Tab Tab Tab space
hear "НОД = [0-9]+" "the divisor"
while [ "$second" -ne 0 ]; do set -- "$second" $((first % second)); first=$1 second=$2; done
[ "$number" -eq "$first" ] || { echo "FAIL: the divisor said is $number, not $first" >&2; exit 1; }
press Tab space
hear "Нова игра" "the new game"
echo "Orca heard every step of the game"

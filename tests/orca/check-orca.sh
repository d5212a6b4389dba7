#!/usr/bin/env bash
# Plays a game by keyboard on the real program while the Orca screen reader listens,
# and expects Orca to speak what each step changed, though the focus never leaves the
# list and the buttons: the remainder after each question, the verdict on the guess,
# the divisor after "Check" and the new game after each of two presses of "Clear", in
# the language the program speaks (Bulgarian unless another is given), as its
# catalogue words them.
# Given PAGE, the folder of the browser page, the game is played on the page in
# Chromium instead, on the hidden number 2: both remainders are 0, so that the second
# announcement repeats the first, as the second "New game" does.
# Orca writes every utterance to its debug file as a "SPEECH OUTPUT: '…'" line.
# Usage: check-orca.sh BINARY [LANGUAGE [PAGE]]
# Exits 77 (skipped) when Orca cannot be kept apart from another Orca of this user.
set -euo pipefail
binary=$(realpath "$1")
language=${2:-bg}
page=${3:+$(realpath "$3")}

# The namespace's first process (see below): runs the session, then gives whatever
# is left in the namespace a few seconds to end before ending it. dbus-run-session
# stops its bus with SIGTERM without waiting for it, and once this process is gone
# the kernel kills the rest at once: a bus killed so leaves its socket in /tmp.
if [ "${ROVALIN_ORCA_STAGE:-}" = init ]; then
    export ROVALIN_ORCA_STAGE=session
    status=0
    dbus-run-session -- "$0" "$@" || status=$?
    for _ in $(seq 1 50); do
        for stat in /proc/[0-9]*/stat; do
            [ "$stat" != "/proc/$$/stat" ] || continue
            read -r _ _ state _ <"$stat" 2>/dev/null || continue
            [ "$state" = Z ] || { sleep 0.1; continue 2; }
        done
        break
    done
    exit "$status"
fi

# A virtual X server and a private session bus, on which Orca starts the
# accessibility bus; nothing of the machine's own session is touched.
# The run's mark, which every process of the session inherits.
if [ -z "${ROVALIN_INSIDE_SESSION:-}" ]; then
    export ROVALIN_INSIDE_SESSION="orca-check-$$"
    # Orca refuses to start while another process named orca of the same user runs,
    # and "orca --replace" kills every such process: the screen reader of whoever
    # runs the tests, or the Orca of another test run. So the session runs in a PID
    # namespace of its own, with its own /proc, where no other Orca can be seen and
    # none can be reached; a user namespace lends the rights to make one when the
    # tests do not run as root. The session bus, the accessibility bus and its
    # registry, Orca and the program all run inside, and when the namespace's first
    # process ends, the kernel ends whatever is left there. Xvfb stays outside,
    # started and stopped by xvfb-run as usual, so that its lock file holds a
    # process ID valid on the machine. --kill-child ends the namespace too when
    # unshare itself is killed.
    session=(dbus-run-session -- "$0" "$@")
    for user in "" "--user --map-root-user"; do
        # shellcheck disable=SC2086 # the user options are meant to be separate words
        if unshare $user --pid --fork --mount-proc --kill-child true 2>/dev/null; then
            read -r -a isolate <<<"unshare $user --pid --fork --mount-proc --kill-child --"
            session=("${isolate[@]}" env ROVALIN_ORCA_STAGE=init "$0" "$@")
            break
        fi
    done
    if [ "${session[0]}" != unshare ]; then
        others=$(pgrep -u "$(id -u)" -x orca | tr '\n' ' ' || true)
        if [ -n "$others" ]; then
            echo "SKIP: no PID namespace can be made here to hide the check's Orca in," \
                "and another Orca of this user runs (process ${others% }), beside which" \
                "Orca would not start"
            exit 77
        fi
        echo "no PID namespace can be made here: Orca runs beside the machine's processes"
    fi
    exec xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24" "${session[@]}"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A home of the run's own, with every XDG folder in it: Orca keeps its settings
# there, and the accessibility bus's launcher records in dconf that the toolkits'
# accessibility is on. The session bus started before this script did, so the
# services it starts (the launcher, dconf) are given these folders too; else they
# would write into the dconf database of whoever runs the tests.
export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime
export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share \
    XDG_CACHE_HOME=$HOME/.cache XDG_STATE_HOME=$HOME/.local/state
mkdir -p "$XDG_DATA_HOME/orca" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
dbus-update-activation-environment HOME XDG_RUNTIME_DIR XDG_CONFIG_HOME XDG_DATA_HOME \
    XDG_CACHE_HOME XDG_STATE_HOME
# No speech server: Orca still logs every utterance, and never waits for a server
# (trying to start speech-dispatcher without a sound system can take minutes). The
# debug file is written line by line, so that each utterance can be read at once.
cat >"$XDG_DATA_HOME/orca/orca-customizations.py" <<'PYTHON'
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
    local environ pid
    kill "${pids[@]}" 2>/dev/null || true
    # Orca at times keeps running after its log says its shutdown is complete: give
    # each process a few seconds to end, then end it for good.
    for _ in $(seq 1 50); do
        for pid in "${pids[@]}"; do
            kill -0 "$pid" 2>/dev/null && { sleep 0.1; continue 2; }
        done
        break
    done
    for pid in "${pids[@]}"; do
        ! kill -0 "$pid" 2>/dev/null || kill -KILL "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    # The accessibility bus and its registry leave the session's process tree and
    # could outlive it, keeping the test runner waiting on their output: stop the
    # run's own, found by its mark. The session bus itself (a sibling of this script)
    # is dbus-run-session's to end.
    for environ in /proc/[0-9]*/environ; do
        pid=${environ#/proc/}
        pid=${pid%/environ}
        case $(cat "/proc/$pid/comm" 2>/dev/null) in
        at-spi* | dbus-daemon)
            [ "$(ps -o ppid= -p "$pid" | tr -d ' ')" != "$PPID" ] &&
                { tr '\0' '\n' <"$environ"; } 2>/dev/null |
                grep -qxF "ROVALIN_INSIDE_SESSION=$ROVALIN_INSIDE_SESSION" &&
                { kill "$pid" 2>/dev/null || true; } ;;
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
        kill -0 "$orca" 2>/dev/null || orca_ended
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

# Orca ends at once when it sees another Orca of this user: one that started after
# the look before the session, when the check runs outside a PID namespace.
orca_ended() {
    local others
    others=$(pgrep -u "$(id -u)" -x orca | tr '\n' ' ' || true)
    if [ -n "$others" ]; then
        echo "SKIP: another Orca of this user started (process ${others% }), beside which" \
            "the check's Orca would not start"
        exit 77
    fi
    echo "FAIL: Orca ended before it said all; it printed:" >&2
    cat "$work/orca.out" >&2
    exit 1
}

# Without "--replace", which would kill every other Orca of this user.
orca --debug-file="$speech" >"$work/orca.out" 2>&1 &
orca=$!
pids+=("$orca")
hear "Screen reader on" "that it is on"

# A text as the program's catalogue words it in its language (the catalogues lie
# beside the program's folder), with each "%s" standing for a number: in a language
# written right to left, one between the isolates LRI and PDI that keep it left to
# right on the form, and which speech passes over.
said() {
    LANGUAGE=$language LC_ALL=C.UTF-8 TEXTDOMAINDIR="$(dirname "$binary")/../share/locale" gettext -d rovalin "$1" |
        sed 's/%s/(\xe2\x81\xa6)?[0-9]+(\xe2\x81\xa9)?/'
}

if [ -n "$page" ]; then
    # A copy of the page that draws its hidden numbers from a script of its own folder,
    # which its policy allows, run before its own; untitled until the form sets its
    # caption, so that the window is found once the form is there.
    cp -r "$page" "$work/page"
    echo 'rovalinTestFractions = [0];' >"$work/page/fractions.js"
    sed -i -e 's|<title>.*</title>|<title></title>|' \
        -e 's|<script src="rovalin.js"|<script src="fractions.js"></script>&|' "$work/page/index.html"
    grep -q fractions.js "$work/page/index.html" ||
        { echo "FAIL: index.html loads no rovalin.js to put the fractions before" >&2; exit 1; }
    # Its profile and temporary files in the run's folder; without its sandbox, which
    # Chromium will not run as root, and in the namespace the check runs as root.
    TMPDIR=$work chromium --force-renderer-accessibility --no-sandbox --no-first-run \
        --user-data-dir="$work/chromium" --disable-features=Translate \
        --app="file://$work/page/index.html?lang=$language" >"$work/program.out" 2>&1 &
else
    LANGUAGE=$language "$binary" >"$work/program.out" 2>&1 &
fi
pids+=($!)
# Bounded waits, so that a program that never shows its window fails the check
# with its output, and the session still ends in order.
window=$(timeout 30 xdotool search --sync --name "^$(said Rovalin)\$" | head -n 1) || {
    echo "FAIL: no window of the program within 30 seconds; it printed:" >&2
    cat "$work/program.out" >&2
    exit 1
}
timeout 10 xdotool windowfocus --sync "$window"
# Orca reads a page through once it has loaded; the game starts once Orca has had
# nothing to log for a second, so that all it says comes from the game.
for _ in $(seq 1 30); do
    size=$(stat -c %s "$speech")
    sleep 1
    [ "$size" != "$(stat -c %s "$speech")" ] || break
done

press() { xdotool key --delay 100 "$@"; }
# Down picks the first number of each list: 20, then 50 (never a multiple of 20),
# then the guess 1, which is never the hidden number.
press Tab Down
hear "$(said 'Remainder %s')" "the first remainder"
first=$((20 - number))
press Down
hear "$(said 'Remainder %s')" "the second remainder"
second=$((50 - number))
press Down
hear "$(said No)" "the verdict"
press Tab Tab Tab Tab space
hear "$(said 'GCD = %s')" "the divisor"
while [ "$second" -ne 0 ]; do set -- "$second" $((first % second)); first=$1 second=$2; done
[ "$number" -eq "$first" ] || { echo "FAIL: the divisor said is $number, not $first" >&2; exit 1; }
press Tab space
hear "$(said 'New game')" "the new game"
press space
hear "$(said 'New game')" "the new game again"
echo "Orca heard every step of the game, in $language"

#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the dev preset (RelWithDebInfo) and runs every benchmark, printing the
# figures and ratios: the game's calls in memory and on the real window against the
# floor of bare widgets, then start-up and peak memory against the floor program.
# usage: bench/run-all.sh [runs of each in-process benchmark, default 5]
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-5}
cmake --preset dev >/dev/null
cmake --build --preset dev
build=build/dev
for program in bench/bench_game bench/bench_gameform bench/floor/bench_floor app/rovalin; do
    if [ ! -x "$build/$program" ]; then
        echo "$build/$program was not built: is add_subdirectory(bench) in CMakeLists.txt?" >&2
        exit 1
    fi
done

export QT_QPA_PLATFORM=offscreen DBUS_SESSION_BUS_ADDRESS=disabled:
results=$(mktemp -d)
trap 'rm -rf "$results"' EXIT

# The two programs alternate, so a busy spell of the machine falls on both.
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs)"
for run in $(seq "$runs"); do
    "$build/bench/bench_game" -tickcounter -median 31 -o "$results/game$run.csv,csv"
    "$build/bench/bench_gameform" -tickcounter -median 31 -o "$results/form$run.csv,csv" \
        2>/dev/null
done
"$build/bench/bench_game" -tickcounter -o -,txt 2>/dev/null | grep QINFO || true
python3 bench/summary.py "$results"/game*.csv -- "$results"/form*.csv
echo
python3 bench/startup.py "$build/app/rovalin" "$build/bench/floor/bench_floor" --runs 30 --warmup 3

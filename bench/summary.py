#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Prints the in-process figures and ratios from the CSV output of several runs.

usage: summary.py GAME_CSV... -- GAMEFORM_CSV...

Each CSV is one run of bench_game or bench_gameform with -tickcounter -o FILE,csv;
the runs alternate between the two programs. A ratio is taken inside each run of
bench_gameform, whose floor rows run in the same process minutes apart at most, and
the median over the runs is printed with its range.
"""

import csv
import statistics
import sys

ACTIONS = ["newgame", "first-pick", "second-pick", "guess", "pick-after-game-over",
           "showsolution"]
PICKS = ["first-pick", "second-pick", "guess", "pick-after-game-over"]


def read(path):
    with open(path, newline="") as file:
        return {(row[0], row[1]): float(row[3]) for row in csv.reader(file) if len(row) >= 5}


def tsc_megahertz():
    try:
        with open("/proc/cpuinfo") as file:
            for line in file:
                if line.startswith("cpu MHz"):
                    return float(line.split(":")[1])
    except OSError:
        pass
    return None


def main():
    split = sys.argv.index("--")
    game_runs = [read(path) for path in sys.argv[1:split]]
    form_runs = [read(path) for path in sys.argv[split + 1:]]
    megahertz = tsc_megahertz()

    def median(runs, key):
        return statistics.median(run[key] for run in runs)

    def micro(ticks):
        return f"{ticks / megahertz:8.1f}" if megahertz else "       -"

    refill = median(form_runs, ("floor", "list-refill"))
    ten_lines = median(form_runs, ("floor", "text-ten-lines"))
    print(f"in-process, CPU ticks (µs at {megahertz:.0f} MHz), median of "
          f"{len(game_runs)} + {len(form_runs)} runs, each the median of its own -median runs")
    print(f"  {'call':22} {'in memory':>18} {'widgets, surface':>20} {'widgets, mouse':>20}")
    for action in ACTIONS:
        memory = median(game_runs, ("call", action))
        surface = median(form_runs, ("call", "surface/" + action))
        mouse = median(form_runs, ("call", "mouse/" + action))
        print(f"  {action:22} {memory:9.0f} {micro(memory)} {surface:11.0f} {micro(surface)}"
              f" {mouse:11.0f} {micro(mouse)}")
    print(f"  {'floor: list refill':22} {'':18} {refill:11.0f} {micro(refill)}   "
          "(bare QListWidget: clear + 50 addItem)")
    print(f"  {'floor: text 10 lines':22} {'':18} {ten_lines:11.0f} {micro(ten_lines)}   "
          "(bare QPlainTextEdit: setPlainText)")

    def ratio(row, floor):
        values = [run[("call", row)] / run[("floor", floor)] for run in form_runs]
        return statistics.median(values), min(values), max(values)

    print("ratios, per run of bench_gameform, median [range]; target: a pick <= 2x the list refill")
    for how in ("surface", "mouse"):
        for action in PICKS + ["newgame"]:
            middle, low, high = ratio(f"{how}/{action}", "list-refill")
            verdict = "" if action == "newgame" else ("  ok" if middle <= 2.0 else "  MISSED")
            print(f"  {how + '/' + action + ' / list refill':48} {middle:6.2f}x"
                  f" [{low:.2f}-{high:.2f}]{verdict}")
        middle, low, high = ratio(f"{how}/showsolution", "text-ten-lines")
        print(f"  {how + '/showsolution / text 10 lines':48} {middle:6.2f}x [{low:.2f}-{high:.2f}]")
    for action in ACTIONS:
        memory = median(game_runs, ("call", action))
        surface = median(form_runs, ("call", "surface/" + action))
        print(f"  {'widgets/in memory, ' + action:48} {surface / memory:6.0f}x")


if __name__ == "__main__":
    main()

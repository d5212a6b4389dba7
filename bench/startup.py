#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Start-up of the program against the floor program, in paired, alternating runs.

Both programs quit once their first frame is painted. Each pair runs the two back
to back, in alternating order, so the drift of a shared machine falls on both
alike; the figures are medians, and the ratios are medians of the per-pair ratios.
Runs offscreen and on a virtual X server (one xvfb-run for the whole series), both
without a session bus.

usage: startup.py PROGRAM FLOOR [--runs N] [--warmup N] [--platform offscreen|xcb|both]
"""

import argparse
import json
import os
import statistics
import subprocess
import sys
import time


def run_once(command, environment):
    """Wall time (s) and peak resident set (KiB) of one run."""
    start = time.perf_counter()
    process = subprocess.Popen(command, env=environment,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(process.pid, 0)
    elapsed = time.perf_counter() - start
    process.returncode = os.waitstatus_to_exitcode(status)
    if process.returncode != 0:
        sys.exit(f"{command[0]} exited with {process.returncode}")
    return elapsed, usage.ru_maxrss


def series(program, floor, runs, warmup, platform):
    environment = dict(os.environ, QT_QPA_PLATFORM=platform,
                       DBUS_SESSION_BUS_ADDRESS="disabled:",
                       ROVALIN_QUIT_AFTER_FIRST_FRAME="1")
    for _ in range(warmup):
        run_once([floor], environment)
        run_once([program], environment)
    pairs = []
    for index in range(runs):
        if index % 2 == 0:
            floor_run = run_once([floor], environment)
            program_run = run_once([program], environment)
        else:
            program_run = run_once([program], environment)
            floor_run = run_once([floor], environment)
        pairs.append({"floor": floor_run, "program": program_run})
    return pairs


def report(platform, pairs):
    def median(kind, field):
        return statistics.median(pair[kind][field] for pair in pairs)

    def paired_ratio(field):
        return statistics.median(pair["program"][field] / pair["floor"][field] for pair in pairs)

    print(f"start-up, {platform}, {len(pairs)} pairs")
    print(f"  {'':10} {'median wall':>12} {'median peak RSS':>16}")
    for kind in ("floor", "program"):
        print(f"  {kind:10} {median(kind, 0) * 1000:9.1f} ms {median(kind, 1) / 1024:12.1f} MiB")
    print(f"  ratio      {median('program', 0) / median('floor', 0):9.3f}x"
          f" {median('program', 1) / median('floor', 1):13.3f}x   (of the medians)")
    print(f"  ratio      {paired_ratio(0):9.3f}x {paired_ratio(1):13.3f}x   (median of pair ratios;"
          " targets: wall <= 1.15x, RSS <= 1.10x)")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("program")
    parser.add_argument("floor")
    parser.add_argument("--runs", type=int, default=20)
    parser.add_argument("--warmup", type=int, default=3)
    parser.add_argument("--platform", choices=("offscreen", "xcb", "both"), default="both")
    parser.add_argument("--json", action="store_true", help=argparse.SUPPRESS)
    arguments = parser.parse_args()
    program = os.path.abspath(arguments.program)
    floor = os.path.abspath(arguments.floor)

    if arguments.json:
        # The inner series under xvfb-run hands its pairs back to the outer script.
        print(json.dumps(series(program, floor, arguments.runs, arguments.warmup,
                                arguments.platform)))
        return

    if arguments.platform in ("offscreen", "both"):
        report("offscreen", series(program, floor, arguments.runs, arguments.warmup, "offscreen"))
    if arguments.platform in ("xcb", "both"):
        inner = subprocess.run(
            ["xvfb-run", "-a", "-s", "-screen 0 1280x1024x24", sys.executable,
             os.path.abspath(__file__), program, floor, "--runs", str(arguments.runs),
             "--warmup", str(arguments.warmup), "--platform", "xcb", "--json"],
            check=True, capture_output=True, text=True,
            env=dict(os.environ, DBUS_SESSION_BUS_ADDRESS="disabled:"))
        report("xcb on Xvfb", json.loads(inner.stdout))


if __name__ == "__main__":
    main()

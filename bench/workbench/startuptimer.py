#!/usr/bin/env python3
"""Times start-up probes from process start to exit, with nothing between the timer and them.

Each probe is spawned directly (no shell, no /usr/bin/time) and reaped with wait4, whose resource
usage gives its peak memory. The probes take turns, so that a change in the machine's load touches
them alike. Usage: startuptimer.py RUNS BARE_PROBE PROGRAM_PROBE
"""
import os
import statistics
import sys
import time


def run_once(probe):
    start = time.perf_counter_ns()
    pid = os.posix_spawn(probe, [probe], os.environ,
                         file_actions=[(os.POSIX_SPAWN_OPEN, 1, os.devnull, os.O_WRONLY, 0),
                                       (os.POSIX_SPAWN_OPEN, 2, os.devnull, os.O_WRONLY, 0)])
    _, status, usage = os.wait4(pid, 0)
    elapsed_ms = (time.perf_counter_ns() - start) / 1e6
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"{probe} failed with status {status}")
    return elapsed_ms, usage.ru_maxrss / 1024  # ru_maxrss is in KiB on Linux


def main():
    runs, bare, program = int(sys.argv[1]), sys.argv[2], sys.argv[3]
    bare_runs, program_runs = [], []
    for _ in range(runs):
        bare_runs.append(run_once(bare))
        program_runs.append(run_once(program))
    bare_ms = statistics.median(ms for ms, _ in bare_runs)
    program_ms = statistics.median(ms for ms, _ in program_runs)
    bare_mb = statistics.median(mb for _, mb in bare_runs)
    program_mb = statistics.median(mb for _, mb in program_runs)
    print(f"start-up to first paint (median of {runs}): workbench {program_ms:.1f} ms, "
          f"bare window {bare_ms:.1f} ms, ratio {program_ms / bare_ms:.2f}")
    print(f"peak memory (median of {runs}): workbench {program_mb:.1f} MB, "
          f"bare window {bare_mb:.1f} MB, difference {program_mb - bare_mb:.1f} MB")


if __name__ == "__main__":
    main()

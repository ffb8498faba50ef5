#!/usr/bin/env bash
# Figures side by side: start-up to the first painted workbench and peak memory against a bare
# Qt window, then every Google Benchmark of the project. Usage: bench/run.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-21}
# The start-up figures need a display: a virtual one when none is there.
if [ -z "${DISPLAY:-}" ] && [ -z "${DOSARIUM_BENCH_DISPLAY:-}" ] && command -v xvfb-run >/dev/null; then
    exec env DOSARIUM_BENCH_DISPLAY=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
[ -n "${DISPLAY:-}" ] || export QT_QPA_PLATFORM=offscreen
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --parallel "$(nproc)"

# The probes are timed from their process's start to its exit with nothing between the timer and
# them (no shell, no /usr/bin/time), so that the ratio is the program's own.
python3 bench/workbench/startuptimer.py "$runs" build/bench/dosarium_startup_floor \
    build/bench/dosarium_startup_probe

build/bench/rack_open_probe "$runs"

for benchmark in $(find build/bench -type f -name 'bench_*' -executable | sort); do
    echo "== $(basename "$benchmark")"
    "$benchmark" --benchmark_repetitions=3 --benchmark_report_aggregates_only=true
done

#!/usr/bin/env bash
# Figures side by side: start-up to the first painted workbench and peak memory against a bare
# Qt window, then every Google Benchmark of the project. Usage: bench/run.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-9}
# The start-up figures need a display: a virtual one when none is there.
if [ -z "${DISPLAY:-}" ] && [ -z "${DOSARIUM_BENCH_DISPLAY:-}" ] && command -v xvfb-run >/dev/null; then
    exec env DOSARIUM_BENCH_DISPLAY=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
[ -n "${DISPLAY:-}" ] || export QT_QPA_PLATFORM=offscreen
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --parallel "$(nproc)"

# One run of a probe: wall time to its exit in ms (nanosecond clock) and its peak RSS in MB.
run_once() {
    local rss_file start end
    rss_file=$(mktemp)
    start=$(date +%s%N)
    /usr/bin/time -f "%M" -o "$rss_file" "$1" >/dev/null 2>&1
    end=$(date +%s%N)
    echo "$(((end - start) / 1000)) $(awk '{ printf "%.1f", $1 / 1024 }' "$rss_file")"
    rm -f "$rss_file"
}

median() { sort -n | sed -n "$(((runs + 1) / 2))p"; }

# The two probes take turns, so that a change in the machine's load touches both alike.
floor_runs=() app_runs=()
for _ in $(seq "$runs"); do
    floor_runs+=("$(run_once build/bench/dosarium_startup_floor)")
    app_runs+=("$(run_once build/bench/dosarium_startup_probe)")
done
floor_ms=$(printf '%s\n' "${floor_runs[@]}" | awk '{ printf "%.1f\n", $1 / 1000 }' | median)
app_ms=$(printf '%s\n' "${app_runs[@]}" | awk '{ printf "%.1f\n", $1 / 1000 }' | median)
floor_mb=$(printf '%s\n' "${floor_runs[@]}" | awk '{ print $2 }' | median)
app_mb=$(printf '%s\n' "${app_runs[@]}" | awk '{ print $2 }' | median)
echo "start-up to first paint (median of $runs): workbench ${app_ms} ms, bare window ${floor_ms} ms," \
    "ratio $(awk -v a="$app_ms" -v f="$floor_ms" 'BEGIN { printf "%.2f", a / f }')"
echo "peak memory (median of $runs): workbench ${app_mb} MB, bare window ${floor_mb} MB," \
    "difference $(awk -v a="$app_mb" -v f="$floor_mb" 'BEGIN { printf "%.1f", a - f }') MB"

for benchmark in $(find build/bench -type f -name 'bench_*' -executable | sort); do
    echo "== $(basename "$benchmark")"
    "$benchmark" --benchmark_repetitions=3 --benchmark_report_aggregates_only=true
done

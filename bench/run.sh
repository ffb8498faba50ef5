#!/usr/bin/env bash
# Figures side by side: start-up to the first painted workbench and peak memory against a bare
# Qt window, then every Google Benchmark of the project. Usage: bench/run.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-9}
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --parallel "$(nproc)"

run_display() {
    if command -v xvfb-run >/dev/null; then
        xvfb-run -a -s "-screen 0 1024x768x24" "$@"
    else
        QT_QPA_PLATFORM=offscreen "$@"
    fi
}

# Median wall time (ms) and median peak RSS (MB) of a command started RUNS times.
measure() {
    local times=() rss=()
    for _ in $(seq "$runs"); do
        local out
        out=$( { /usr/bin/time -f "%e %M" "$@" >/dev/null 2>/dev/null; } 2>&1 | tail -1)
        times+=("$(echo "$out" | awk '{printf "%d", $1 * 1000}')")
        rss+=("$(echo "$out" | awk '{printf "%.1f", $2 / 1024}')")
    done
    local t r
    t=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$(((runs + 1) / 2))p")
    r=$(printf '%s\n' "${rss[@]}" | sort -n | sed -n "$(((runs + 1) / 2))p")
    echo "$t $r"
}

export -f measure
export runs
read -r floor_ms floor_mb < <(run_display bash -c "measure build/bench/dosarium_startup_floor")
read -r app_ms app_mb < <(run_display bash -c "measure build/bench/dosarium_startup_probe")
echo "start-up to first paint (median of $runs): workbench ${app_ms} ms, bare window ${floor_ms} ms," \
    "ratio $(awk -v a="$app_ms" -v f="$floor_ms" 'BEGIN { printf "%.2f", a / f }')"
echo "peak memory (median of $runs): workbench ${app_mb} MB, bare window ${floor_mb} MB," \
    "difference $(awk -v a="$app_mb" -v f="$floor_mb" 'BEGIN { printf "%.1f", a - f }') MB"

for benchmark in $(find build/bench -type f -name 'bench_*' -executable | sort); do
    echo "== $(basename "$benchmark")"
    "$benchmark" --benchmark_repetitions=3 --benchmark_report_aggregates_only=true
done

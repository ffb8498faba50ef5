#!/usr/bin/env bash
# Times the RTF reader (building a full QTextDocument) and `unrtf --text` on the same 1 MB and
# 10 MB statement-like files, and prints the ratio.
# Usage: bench/richtext/run.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build-bench}
export QT_QPA_PLATFORM=offscreen
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DDOSARIUM_SUBSYSTEMS=richtext >/dev/null
cmake --build "$build" --target bench_rtfreader -j2 >/dev/null
files=$(mktemp -d)
trap 'rm -rf "$files"' EXIT
"$build/bench/bench_rtfreader" --write "$files"
"$build/bench/bench_rtfreader" --benchmark_filter=readRtf --benchmark_format=json \
    --benchmark_out="$files/reader.json" --benchmark_out_format=json >/dev/null

if ! command -v unrtf >/dev/null; then
    echo "unrtf is not installed: only the reader was measured"
    python3 -c 'import json,sys; [print(b["name"], round(b["real_time"],1), "ms") for b in json.load(open(sys.argv[1]))["benchmarks"]]' "$files/reader.json"
    exit 0
fi
# Best of five runs of unrtf, in milliseconds.
for size in 1 10; do
    best=
    for _ in 1 2 3 4 5; do
        start=$(date +%s%N)
        unrtf --text "$files/statement-${size}MB.rtf" >/dev/null 2>&1
        ms=$(( ($(date +%s%N) - start) / 1000000 ))
        if [ -z "$best" ] || [ "$ms" -lt "$best" ]; then best=$ms; fi
    done
    echo "$size $best" >>"$files/unrtf.txt"
done
python3 - "$files/reader.json" "$files/unrtf.txt" <<'PY'
import json, sys
reader = {int(b["name"].split("/")[1]): b["real_time"] for b in json.load(open(sys.argv[1]))["benchmarks"]}
unrtf = dict(tuple(int(x) for x in line.split()) for line in open(sys.argv[2]))
print(f"{'file':>6} {'reader (ms)':>12} {'unrtf --text (ms)':>18} {'unrtf / reader':>15}")
for size in (1, 10):
    print(f"{size:>4}MB {reader[size]:>12.1f} {unrtf[size]:>18d} {unrtf[size] / reader[size]:>15.2f}")
PY

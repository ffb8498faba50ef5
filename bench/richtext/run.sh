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
python3 - "$files" <<'PY'
import json, os, resource, subprocess, sys, time
files = sys.argv[1]
reader = {int(b["name"].split("/")[1]): b for b in json.load(open(f"{files}/reader.json"))["benchmarks"]}

def unrtf(path):
    """Best of five runs: wall time and CPU time (user + system) in milliseconds."""
    best = None
    for _ in range(5):
        before = resource.getrusage(resource.RUSAGE_CHILDREN)
        start = time.perf_counter()
        subprocess.run(["unrtf", "--text", path], stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, check=True)
        wall = (time.perf_counter() - start) * 1000
        after = resource.getrusage(resource.RUSAGE_CHILDREN)
        cpu = (after.ru_utime - before.ru_utime + after.ru_stime - before.ru_stime) * 1000
        if best is None or wall < best[0]:
            best = (wall, cpu)
    return best

print(f"{'file':>6} {'reader wall':>12} {'reader CPU':>11} {'unrtf wall':>11} {'unrtf CPU':>10}"
      f" {'wall ratio':>11} {'CPU ratio':>10}   (ms; ratio = unrtf / reader)")
for size in (1, 10):
    r = reader[size]
    wall, cpu = unrtf(os.path.join(files, f"statement-{size}MB.rtf"))
    print(f"{size:>4}MB {r['real_time']:>12.1f} {r['cpu_time']:>11.1f} {wall:>11.1f} {cpu:>10.1f}"
          f" {wall / r['real_time']:>11.2f} {cpu / r['cpu_time']:>10.2f}")
PY

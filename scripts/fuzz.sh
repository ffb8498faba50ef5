#!/usr/bin/env bash
# Builds every libFuzzer target with clang and runs each for a bounded time (seconds, default 30).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
clangxx=$(command -v clang++ || command -v clang++-14 || true)
if [ -z "$clangxx" ]; then
    echo "fuzz: clang is not installed, fuzz targets skipped"
    exit 0
fi
# Every subsystem, whatever list an earlier configuration left in the cache: each has its targets.
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDOSARIUM_FUZZ=ON -UDOSARIUM_SUBSYSTEMS \
    -DCMAKE_CXX_COMPILER="$clangxx" >/dev/null
targets=$(cmake --build build-fuzz --target help | sed -n 's/^\.\.\. \(fuzz_[A-Za-z0-9_]*\).*/\1/p' | grep -v '_autogen$')
for target in $targets; do
    cmake --build build-fuzz --parallel "$(nproc)" --target "$target"
done
for target in $targets; do
    binary=build-fuzz/fuzz/$target
    subsystem=$(grep -lw "$target" fuzz/*/CMakeLists.txt | head -1 | xargs dirname)
    corpus=$(mktemp -d)
    [ -d "$subsystem/corpus" ] && cp -r "$subsystem/corpus/." "$corpus/"
    dict=()
    for d in "$subsystem"/*.dict; do [ -e "$d" ] && dict=(-dict="$d"); done
    echo "fuzz: $target for $seconds s"
    "$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 "${dict[@]}" "$corpus" \
        2>&1 | tail -3
    rm -rf "$corpus"
done

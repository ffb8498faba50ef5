#!/usr/bin/env bash
# Builds the RTF fuzz target with clang and runs it for a bounded time (default 60 s).
# Usage: fuzz/richtext/run.sh [seconds] [build folder]
# Crashes are written to <build folder>/fuzz/richtext-artifacts/ and make the script fail.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${1:-60}
build=${2:-build-fuzz}
if ! command -v clang++ >/dev/null; then
    echo "clang++ not found: RTF fuzzing skipped"
    exit 0
fi
export QT_QPA_PLATFORM=offscreen
cmake -S . -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DDOSARIUM_FUZZ=ON -DDOSARIUM_SUBSYSTEMS=richtext >/dev/null
cmake --build "$build" --target fuzz_rtfreader -j2
work="$build/fuzz/richtext-corpus"
artifacts="$build/fuzz/richtext-artifacts"
mkdir -p "$work" "$artifacts"
"$build/fuzz/fuzz_rtfreader" -max_total_time="$seconds" -max_len=65536 -timeout=10 \
    -rss_limit_mb=2048 -dict=fuzz/richtext/rtf.dict -artifact_prefix="$artifacts/" \
    "$work" fuzz/richtext/corpus tests/richtext/data

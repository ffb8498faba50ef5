#!/usr/bin/env bash
# Builds everything and runs every test without a display.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --parallel "$(nproc)"
ctest --test-dir build --output-on-failure --parallel "$(nproc)"
# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
scripts/sanitize.sh
# Every fuzz target for a short while, when clang is there to build them.
scripts/fuzz.sh 60

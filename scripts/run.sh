#!/usr/bin/env bash
# Builds the program and starts it from its build folder.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --parallel "$(nproc)" --target dosarium
exec build/dosarium "$@"

#!/usr/bin/env bash
# Builds the program and starts it from its build folder.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
# The program reads its help, course and exercises from the build folder: build them all.
cmake --build build --parallel "$(nproc)"
exec build/dosarium "$@"

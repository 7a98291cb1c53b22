#!/usr/bin/env bash
# Configures (once) and builds the program, its tests and benchmarks into build/.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build="$top/build"
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$top" -B "$build" -G Ninja
fi
cmake --build "$build" --parallel "$(nproc)"

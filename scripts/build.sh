#!/usr/bin/env bash
# Builds into build/ (configured on first use):
#   scripts/build.sh            the program, its tests and benchmarks
#   scripts/build.sh --program  the program only; a build folder configured
#                               here first has no tests (BUILD_TESTING off)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build="$top/build"
program_only=0
case "${1:-}" in
  --program) program_only=1 ;;
  "") ;;
  *) echo "build.sh: unknown argument $1 (known: --program)" >&2; exit 2 ;;
esac

if [ "$program_only" -eq 1 ]; then
  if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$top" -B "$build" -G Ninja -DBUILD_TESTING=OFF
  fi
  cmake --build "$build" --parallel "$(nproc)" --target werkstoffpruefung
else
  # A folder that run.sh configured without tests gets them now.
  if [ ! -f "$build/build.ninja" ] || grep -q '^BUILD_TESTING:BOOL=OFF' "$build/CMakeCache.txt" 2>/dev/null; then
    cmake -S "$top" -B "$build" -G Ninja -DBUILD_TESTING=ON
  fi
  cmake --build "$build" --parallel "$(nproc)"
fi

#!/usr/bin/env bash
# Installs what building and testing needs, builds the program with its tests
# and benchmarks, and runs every test headless.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh" --tests
"$top/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen
cd "$top/build"
ctest --output-on-failure --timeout 300

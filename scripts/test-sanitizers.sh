#!/usr/bin/env bash
# Installs what is missing, builds the program and its tests with clang,
# AddressSanitizer (with leak detection) and UndefinedBehaviorSanitizer into
# build-asan/, runs every test there, then each fuzz harness for a short time
# (scripts/fuzz.sh). Any sanitizer report fails the run.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build="$top/build-asan"
"$top/scripts/setup.sh" --tests
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$top" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DWERKSTOFF_FUZZ=ON
fi
cmake --build "$build" --parallel "$(nproc)"

source "$top/scripts/sanitizer-env.sh"
export QT_QPA_PLATFORM=offscreen
log="$build/ctest.log"
# The packaging test builds a Debian package of the installed program; it
# checks packaging, not code, and runs in the plain build.
status=0
(cd "$build" && ctest --output-on-failure --timeout 600 -E '^install$') 2>&1 | tee "$log" || status=$?
# A report in a child process whose parent still passed counts too.
if grep -qE 'ERROR: (Address|Leak)Sanitizer|runtime error:' "$log"; then
  echo "sanitizer report in the test output (see $log)"
  status=1
fi
[ "$status" -eq 0 ] || exit "$status"

"$top/scripts/fuzz.sh" "${FUZZ_SECONDS:-20}"

#!/usr/bin/env bash
# Runs the fuzz harnesses of build-asan/ (made by scripts/test-sanitizers.sh),
# each for SECONDS seconds (default 20); the corpus each one grows is kept in
# build-asan/fuzz-corpus/ for the next run. A finding fails the run, with the
# input written to build-asan/fuzz-findings/.
#   scripts/fuzz.sh 3600          # an hour for each harness
#   scripts/fuzz.sh 600 jpeg      # ten minutes for one harness
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build="$top/build-asan"
seconds=${1:-20}
shift || true
if [ $# -gt 0 ]; then harnesses=("$@"); else harnesses=(numbers hardness_formulas jpeg machine_file result_table series_file series_content); fi
source "$top/scripts/sanitizer-env.sh"
mkdir -p "$build/fuzz-findings"

for name in "${harnesses[@]}"; do
  corpus="$build/fuzz-corpus/$name"
  seeds="$top/fuzz/seeds/$name"
  limits=()
  if [ "$name" = jpeg ]; then
    # The seeds (fuzz/make_jpeg_seeds.py) are at most a few KiB; longer
    # inputs would only be slower. No single allocation may exceed what a
    # picture of the largest allowed size needs (tk::maxJpegSide). Inputs
    # that decode quickly are mutated more often than the large pictures,
    # which take a tenth of a second each: several times the inputs per run.
    limits=(-malloc_limit_mb=256 -rss_limit_mb=2048 -max_len=8192 -dict="$top/fuzz/jpeg.dict"
            -entropic_scale_per_exec_time=1)
  fi
  mkdir -p "$corpus"
  log="$build/fuzz-$name.log"
  echo "== fuzz_$name for ${seconds}s"
  status=0
  "$build/fuzz/fuzz_$name" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 \
    -artifact_prefix="$build/fuzz-findings/$name-" "${limits[@]}" "$corpus" "$seeds" >"$log" 2>&1 || status=$?
  grep -vE '^#[0-9]+\s+(NEW|REDUCE|pulse|RELOAD)' "$log" | tail -n 60
  if [ "$status" -ne 0 ]; then
    echo "fuzz_$name found a fault (input in $build/fuzz-findings/, log in $log)"
    exit 1
  fi
done

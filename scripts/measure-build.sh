#!/usr/bin/env bash
# Measures clean builds from scratch, without ccache (CCACHE_DISABLE=1), each
# in a new folder: configure plus build of the program alone (BUILD_TESTING
# off, as scripts/run.sh builds it), then of everything (program, tests and
# benchmarks, as scripts/test.sh builds it). Prints the median of RUNS runs
# of each, with the machine and its load, which the wall-clock figures depend
# on; the processor time (user + system, all processes) depends on it far
# less and tells what an idle machine would take: about that divided by the
# number of cores.
#   scripts/measure-build.sh [--program] [RUNS]   (default: both, 3 runs)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
runs=3
kinds=(program full)
for argument in "$@"; do
  case "$argument" in
    --program) kinds=(program) ;;
    [1-9]*) runs=$argument ;;
    *) echo "measure-build.sh: unknown argument $argument" >&2; exit 2 ;;
  esac
done
export CCACHE_DISABLE=1
work=$(mktemp -d "${TMPDIR:-/tmp}/werkstoffpruefung-measure.XXXXXX")
trap 'rm -rf "$work"' EXIT

seconds_since() { awk -v s="$1" -v e="$(date +%s.%N)" 'BEGIN { printf "%.1f", e - s }'; }
median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
minutes() { awk -v t="$1" 'BEGIN { printf "%d:%04.1f", t / 60, t - 60 * int(t / 60) }'; }

machine="$(nproc) cores, $(sed -n 's/^model name\s*: //p' /proc/cpuinfo | head -n 1), $(free -g | awk '/^Mem:/ { print $2 }') GiB"
echo "machine: $machine"
echo "load before: $(uptime)"
declare -A result
for kind in "${kinds[@]}"; do
  times=() cpus=()
  for run in $(seq "$runs"); do
    dir="$work/$kind-$run"
    testing=ON target=()
    if [ "$kind" = program ]; then testing=OFF target=(--target werkstoffpruefung); fi
    start=$(date +%s.%N)
    TIMEFORMAT='%U %S'
    { time { cmake -S "$top" -B "$dir" -G Ninja -DBUILD_TESTING=$testing >"$work/log" 2>&1 \
        && cmake --build "$dir" --parallel "$(nproc)" "${target[@]}" >>"$work/log" 2>&1; } 2>"$work/cpu"; } 2>"$work/times" \
      || { tail -n 30 "$work/log"; echo "measure-build.sh: the $kind build failed" >&2; exit 1; }
    t=$(seconds_since "$start")
    cpu=$(awk '{ printf "%.1f", $1 + $2 }' "$work/times")
    times+=("$t")
    cpus+=("$cpu")
    echo "  $kind build, run $run: $(minutes "$t"), processor time $(minutes "$cpu") (load now: $(cut -d' ' -f1-3 /proc/loadavg))"
    rm -rf "$dir"
  done
  result[$kind]="$(minutes "$(median "${times[@]}")") (median of $runs: $(for t in "${times[@]}"; do printf '%s ' "$(minutes "$t")"; done | sed 's/ $//')), processor time $(minutes "$(median "${cpus[@]}")")"
done
echo "load after: $(uptime)"
[ -n "${result[program]:-}" ] && echo "clean program-only build (configure + build, no ccache): ${result[program]}"
[ -n "${result[full]:-}" ] && echo "clean full build (program, tests, benchmarks; no ccache): ${result[full]}"
exit 0

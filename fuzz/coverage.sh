#!/usr/bin/env bash
# How much of the program's own code a fuzz harness's inputs reach, with
# clang's source-based coverage: builds the harness with
# -fprofile-instr-generate -fcoverage-mapping into build-asan/fuzz-coverage/,
# runs it once over its seeds (fuzz/seeds/NAME) and the corpus that
# scripts/fuzz.sh grew (build-asan/fuzz-corpus/NAME), and prints the line
# coverage of each given source file and of its functions, then the lines
# no input reached. Run by hand; the tests and CI do not run it.
#   fuzz/coverage.sh jpeg toolkit/jpeg.cpp
set -euo pipefail
if [ $# -lt 2 ]; then
  echo "usage: $0 HARNESS SOURCE..." >&2
  exit 2
fi
top=$(cd "$(dirname "$0")/.." && pwd)
build="$top/build-asan/fuzz-coverage"
name=$1
shift
sources=()
for s in "$@"; do sources+=("$top/$s"); done

if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$top" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DWERKSTOFF_FUZZ=ON \
    -DCMAKE_CXX_FLAGS="-fprofile-instr-generate -fcoverage-mapping" \
    -DCMAKE_EXE_LINKER_FLAGS="-fprofile-instr-generate"
fi
cmake --build "$build" --target "fuzz_$name"

source "$top/scripts/sanitizer-env.sh"
inputs=("$top/fuzz/seeds/$name")
[ -d "$top/build-asan/fuzz-corpus/$name" ] && inputs+=("$top/build-asan/fuzz-corpus/$name")
rm -f "$build"/"$name"-*.profraw
# -runs=0: each input once, no mutations.
LLVM_PROFILE_FILE="$build/$name-%p.profraw" "$build/fuzz/fuzz_$name" -runs=0 \
  -malloc_limit_mb=256 -rss_limit_mb=2048 "${inputs[@]}" 2>&1 | grep -E '^#[0-9]+\s+(INITED|DONE)'
llvm-profdata merge -sparse "$build"/"$name"-*.profraw -o "$build/$name.profdata"

# With the shared compiler cache the files are recorded relative to the build
# directory; -path-equivalence maps them back onto the source tree.
cov=(-instr-profile="$build/$name.profdata" -path-equivalence="$build/../..,$top" -Xdemangler=c++filt)
llvm-cov report "$build/fuzz/fuzz_$name" "${cov[@]}" -show-functions "${sources[@]}"
echo "Lines no input reached:"
llvm-cov show "$build/fuzz/fuzz_$name" "${cov[@]}" "${sources[@]}" | grep -E '^ *[0-9]+\| +0\|' || echo "  none"

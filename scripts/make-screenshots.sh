#!/usr/bin/env bash
# Renders the screenshots of the README and of software centres into
# docs/screenshots/, offscreen, as the program draws its windows on a
# 1024 x 768 screen: the title window, the overview of the topics, a Vickers
# measurement after its run, the stress-strain curves of both steels and the
# Wöhler diagram with its measured series and 50 % lines. Builds what it needs in build/.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build="$top/build"
out="$top/docs/screenshots"
if [ ! -f "$build/build.ninja" ] || grep -q '^BUILD_TESTING:BOOL=OFF' "$build/CMakeCache.txt" 2>/dev/null; then
  cmake -S "$top" -B "$build" -G Ninja -DBUILD_TESTING=ON
fi
cmake --build "$build" --parallel "$(nproc)" --target render_windows
mkdir -p "$out"
woehler=TFormDauerWoehler
for series in WeichSp180 WeichSp160 WeichSp140 WeichSp130 WeichSp120 \
              KugelSp200 KugelSp185 KugelSp170 KugelSp160 KugelSp150 WahrscheinW50 WahrscheinK50; do
  woehler+="+$series"
done
"$build/tests/render_windows" "$out" \
  TFormHaupt=title \
  TFormMPUeber=hub \
  TFormVickers+StartDown=vickers \
  TFormZug+StartUn+StartCrNi=stress-strain \
  "$woehler=woehler"
ls -1 "$out"

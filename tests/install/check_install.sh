#!/usr/bin/env bash
# Installs the built program into a temporary prefix and checks what a desktop
# needs of it: the executable, a valid desktop entry, the icon in the hicolor
# theme, valid AppStream metadata, the manual page and the copyright file;
# then builds the Debian package and checks it as a distribution would: a
# stripped program, dependencies on runtime libraries only, one version
# everywhere, and lintian.
set -euo pipefail
build=$1
id=de.werkstoffpruefung.werkstoffpruefung
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "$*"; exit 1; }

cmake --install "$build" --prefix "$work/usr" >/dev/null
share=$work/usr/share
for f in "$work/usr/bin/werkstoffpruefung" \
         "$share/applications/$id.desktop" \
         "$share/metainfo/$id.metainfo.xml" \
         "$share/icons/hicolor/scalable/apps/werkstoffpruefung.svg" \
         "$share/icons/hicolor/48x48/apps/werkstoffpruefung.png" \
         "$share/icons/hicolor/128x128/apps/werkstoffpruefung.png" \
         "$share/icons/hicolor/256x256/apps/werkstoffpruefung.png" \
         "$share/doc/werkstoffpruefung/copyright" \
         "$share/doc/werkstoffpruefung/changelog.gz" \
         "$share/man/man1/werkstoffpruefung.1.gz" \
         "$share/man/en/man1/werkstoffpruefung.1.gz" \
         "$share/werkstoffpruefung/examples/stahl_S355J2_ausgepraegte_streckgrenze.csv" \
         "$share/werkstoffpruefung/examples/aluminium_EN_AW-6082_T6.csv" \
         "$share/werkstoffpruefung/examples/austenit_X5CrNi18-10.csv" \
         "$share/werkstoffpruefung/examples/kerbschlag_S355J2.csv" \
         "$share/werkstoffpruefung/examples/kerbschlag_X5CrNi18-10.csv" \
         "$share/werkstoffpruefung/examples/woehler_C45.csv" \
         "$share/werkstoffpruefung/examples/woehler_AlMgSi1.csv" \
         "$share/werkstoffpruefung/examples/README.md"; do
  [ -s "$f" ] || fail "not installed: ${f#$work}"
done
[ -x "$work/usr/bin/werkstoffpruefung" ] || fail "the program is not executable"

# The parts the program loads when first needed (toolkit/parts.h) lie in its
# part folder, and every function of the program they use is one the
# program offers them.
check_parts() {
  local program=$1 folder=$2 part symbol offered
  offered=$(nm -D --defined-only "$program" | awk '{print $3}')
  for part in charts printing evaluation; do
    part=$folder/libwerkstoff-$part.so
    [ -s "$part" ] || fail "not installed: ${part#$work}"
    for symbol in $(nm -D --undefined-only "$part" | awk '$2 ~ /^_Z(N|NK|T[VIS]N)2tk/ {print $2}'); do
      grep -qxF "$symbol" <<<"$offered" || fail "${part#$work} needs $symbol, which the program does not offer"
    done
  done
  if grep -qE 'libQt6(Charts|Svg|PrintSupport)|libgsl' <<<"$(ldd "$program")"; then
    fail "the program links what its parts load"
  fi
  # --evaluate loads the evaluation part; a program without its parts says
  # so and fails.
  local example output
  example=$(find "$work/usr/share/werkstoffpruefung/examples" -name 'kerbschlag_*.csv' | head -n 1)
  output=$(env -u DISPLAY QT_QPA_PLATFORM=offscreen "$program" --evaluate impact "$example") \
    || fail "--evaluate impact failed: $output"
  [ "$(wc -l <<<"$output")" -ge 2 ] || fail "--evaluate impact printed: $output"
  # A --lang before --evaluate chooses the language of its messages.
  output=$(env -u DISPLAY "$program" --lang en --evaluate impact "$work/none.csv" 2>&1) \
    && fail "--evaluate read a file that is not there"
  grep -q "none.csv cannot be opened" <<<"$output" || fail "--lang en --evaluate printed: $output"
  cp "$program" "$work/alone"
  if output=$(env -u DISPLAY QT_QPA_PLATFORM=offscreen "$work/alone" --evaluate impact "$example" 2>&1); then
    fail "--evaluate without the evaluation part succeeded: $output"
  fi
  grep -q "^alone: .*: .*libwerkstoff-evaluation.so" <<<"$output" \
    || fail "--evaluate without the evaluation part printed: $output"
  rm "$work/alone"
}
check_parts "$work/usr/bin/werkstoffpruefung" "$(dirname "$(find "$work/usr/lib" -name libwerkstoff-charts.so | head -n 1)")"
if ls "$share"/werkstoffpruefung/examples/*.py >/dev/null 2>&1; then
  fail "the scripts that make the examples are installed with them"
fi

# The desktop entry and the metadata, with no hint left unanswered.
entry_report=$(desktop-file-validate "$share/applications/$id.desktop" 2>&1) || { echo "$entry_report"; exit 1; }
[ -z "$entry_report" ] || fail "desktop-file-validate: $entry_report"
appstream_options=(--no-net --pedantic)
# AppStream 1.0 (Debian 13) warns of the missing homepage: the project has no
# public address yet, and its metadata keeps the place for one ready. Older
# validators do not know the tag.
appstream_version=$(appstreamcli --version | sed -n 's/.*version: *//p')
# lintian runs that validator without the override and reports its warning;
# the same reason covers that.
lintian_justified=()
if [ "$(printf '1.0\n%s\n' "$appstream_version" | sort -V | head -n 1)" = "1.0" ]; then
  appstream_options+=(--override=url-homepage-missing=info)
  lintian_justified+=(appstream-metadata-validation-failed)
fi
appstreamcli validate "${appstream_options[@]}" "$share/metainfo/$id.metainfo.xml"
grep -q '^Icon=werkstoffpruefung$' "$share/applications/$id.desktop"
grep -q '^Exec=werkstoffpruefung$' "$share/applications/$id.desktop"

# The copyright file in Debian's machine-readable format, with the licences
# the metadata names.
copyright=$share/doc/werkstoffpruefung/copyright
head -n 1 "$copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
  || fail "the copyright file is not in Debian's machine-readable format"
for licence in GPL-3+ CC-BY-SA-4.0 CC0-1.0; do
  grep -q "^License: $licence\$" "$copyright" || fail "the copyright file has no text for $licence"
done
grep -q '<project_license>GPL-3.0-or-later AND CC-BY-SA-4.0</project_license>' "$share/metainfo/$id.metainfo.xml" \
  || fail "the metadata names other licences than the copyright file"

# The manual page: compressed at its best, and groff formats it without a
# warning (after preconv, as man does).
# The German page and the English one.
for page in "$share/man/man1/werkstoffpruefung.1.gz" "$share/man/en/man1/werkstoffpruefung.1.gz"; do
  gzip -t "$page"
  man_warnings=$(gzip -dc "$page" | preconv -e UTF-8 | groff -man -Tutf8 -ww -z 2>&1)
  [ -z "$man_warnings" ] || fail "the manual page $page: $man_warnings"
done

# --help and --version answer without a display, and one version stands in
# --version, the manual page, the changelog and the metadata.
program_env=(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb)
"${program_env[@]}" "$work/usr/bin/werkstoffpruefung" --help | grep -q -- '--version' || fail "--help lists no --version"
version_line=$("${program_env[@]}" "$work/usr/bin/werkstoffpruefung" --version)
version=${version_line#werkstoffpruefung }
[[ "$version" =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]] || fail "--version printed: $version_line"
grep -q "<release version=\"$version\"" "$share/metainfo/$id.metainfo.xml" || fail "the metadata has no release $version"
gzip -dc "$share/man/man1/werkstoffpruefung.1.gz" | grep -q "^\.TH .*\"werkstoffpruefung $version\"" \
  || fail "the manual page is not of version $version"
gzip -dc "$share/doc/werkstoffpruefung/changelog.gz" | head -n 1 | grep -q "^werkstoffpruefung ($version) " \
  || fail "the changelog does not begin with version $version"

# The package: built from the same install rules, depending on libraries only.
(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/deb" >/dev/null)
deb=$(ls "$work"/deb/*.deb)
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package's version is not $version"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
case "$depends" in
  *-dev*) fail "the package depends on development packages" ;;
esac
for needed in libqt6widgets6 libjpeg62-turbo qt6-qpa-plugins fonts-liberation2; do
  case "$depends" in *"$needed"*) ;; *) fail "the package does not depend on $needed" ;; esac
done
dpkg-deb -c "$deb" | grep "./usr/bin/werkstoffpruefung$" >/dev/null
dpkg-deb -x "$deb" "$work/unpacked"
file "$work/unpacked/usr/bin/werkstoffpruefung" | grep -q ', stripped' || fail "the packaged program is not stripped"
readelf -S "$work/unpacked/usr/bin/werkstoffpruefung" | grep -q '\.debug_info' && fail "the packaged program carries debugging symbols"
[ "$(dpkg-deb -f "$deb" Description | wc -l)" -gt 3 ] || fail "the package has no extended description"
check_parts "$work/unpacked/usr/bin/werkstoffpruefung" "$(dirname "$(find "$work/unpacked/usr/lib" -name libwerkstoff-charts.so | head -n 1)")"
for needed in libqt6charts6 libqt6svg6 libqt6printsupport6 libgsl27; do
  case "$depends" in *"$needed"*) ;; *) fail "the package does not depend on $needed, which its parts load" ;; esac
done

# lintian: no error, and no warning but those justified above. (Its notes,
# I:, are shown but pass: the .comment section a plain strip leaves, and
# spelling hints that read the German texts as English.)
lintian_report=$(lintian --tag-display-limit 0 "$deb" 2>&1 | grep -v 'running with root privileges' || true)
[ -z "$lintian_report" ] || echo "$lintian_report"
unjustified=$(printf '%s\n' "$lintian_report" | grep -E '^[EW]: ' \
  | grep -vE ": ($(IFS='|'; echo "${lintian_justified[*]:-(none)}"))( |\$)" || true)
[ -z "$unjustified" ] || fail "lintian reports errors or warnings: $unjustified"
echo "installation complete"

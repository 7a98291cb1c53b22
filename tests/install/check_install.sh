#!/usr/bin/env bash
# Installs the built program into a temporary prefix and checks what a desktop
# needs of it: the executable, a valid desktop entry, the icon in the hicolor
# theme, valid AppStream metadata; then builds the Debian package and checks
# that it depends on runtime libraries only.
set -euo pipefail
build=$1
id=de.werkstoffpruefung.werkstoffpruefung
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install "$build" --prefix "$work/usr" >/dev/null
share=$work/usr/share
for f in "$work/usr/bin/werkstoffpruefung" \
         "$share/applications/$id.desktop" \
         "$share/metainfo/$id.metainfo.xml" \
         "$share/icons/hicolor/scalable/apps/werkstoffpruefung.svg" \
         "$share/icons/hicolor/48x48/apps/werkstoffpruefung.png" \
         "$share/icons/hicolor/128x128/apps/werkstoffpruefung.png" \
         "$share/icons/hicolor/256x256/apps/werkstoffpruefung.png" \
         "$share/werkstoffpruefung/examples/stahl_S355J2_ausgepraegte_streckgrenze.csv" \
         "$share/werkstoffpruefung/examples/aluminium_EN_AW-6082_T6.csv" \
         "$share/werkstoffpruefung/examples/austenit_X5CrNi18-10.csv" \
         "$share/werkstoffpruefung/examples/kerbschlag_S355J2.csv" \
         "$share/werkstoffpruefung/examples/kerbschlag_X5CrNi18-10.csv" \
         "$share/werkstoffpruefung/examples/woehler_C45.csv" \
         "$share/werkstoffpruefung/examples/woehler_AlMgSi1.csv" \
         "$share/werkstoffpruefung/examples/README.md"; do
  [ -s "$f" ] || { echo "not installed: ${f#$work}"; exit 1; }
done
[ -x "$work/usr/bin/werkstoffpruefung" ] || { echo "the program is not executable"; exit 1; }
if ls "$share"/werkstoffpruefung/examples/*.py >/dev/null 2>&1; then
  echo "the scripts that make the examples are installed with them"; exit 1
fi
desktop-file-validate "$share/applications/$id.desktop"
appstreamcli validate --no-net --pedantic "$share/metainfo/$id.metainfo.xml" >/dev/null \
  || appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml"
grep -q '^Icon=werkstoffpruefung$' "$share/applications/$id.desktop"
grep -q '^Exec=werkstoffpruefung$' "$share/applications/$id.desktop"

# The package: built from the same install rules, depending on libraries only.
(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/deb" >/dev/null)
deb=$(ls "$work"/deb/*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
case "$depends" in
  *-dev*) echo "the package depends on development packages"; exit 1 ;;
esac
for needed in libqt6widgets6 libjpeg62-turbo qt6-qpa-plugins fonts-liberation2; do
  case "$depends" in *"$needed"*) ;; *) echo "the package does not depend on $needed"; exit 1 ;; esac
done
dpkg-deb -c "$deb" | grep "./usr/bin/werkstoffpruefung$" >/dev/null
echo "installation complete"

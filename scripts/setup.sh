#!/usr/bin/env bash
# Installs the Debian packages the program needs, only those that are
# missing, so a second run installs nothing.
#   scripts/setup.sh            what building and running the program needs
#   scripts/setup.sh --tests    in addition, what the tests, the sanitizer build,
#                               the fuzz harnesses and the package checks need
#   scripts/setup.sh --list [--tests]   prints the package names and stops
# Tried on Debian 12 (bookworm) and Debian 13 (trixie); on Ubuntu it runs
# untried. The names are release-independent: the compilers come through
# Debian's unversioned packages (clang, llvm, libclang-rt-dev), which follow
# each release's default version.
set -euo pipefail

supported="Debian 12 (bookworm) and Debian 13 (trixie)"

# Building and running the program. "a|b" takes the first of the packages
# that is installed or that the release offers: Qt's OpenGL development files
# (which Qt Charts' CMake files ask for) are a package of their own on
# Debian 12 and part of qt6-base-dev from Debian 13 on. Qt's translation
# tools (qt6-tools-dev: their CMake files, qt6-l10n-tools: lrelease and
# lupdate) compile the English interface; qt6-translations-l10n holds Qt's own
# texts in German (dialogs, message boxes).
program_packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-charts-dev qt6-svg-dev "libqt6opengl6-dev|qt6-base-dev" libgl-dev qt6-qpa-plugins qt6-translations-l10n
  qt6-tools-dev qt6-l10n-tools
  libjpeg-dev libgsl-dev
  fonts-liberation2 fontconfig
)
# In addition for the tests, the sanitizer build and the fuzz harnesses
# (clang with its sanitizer and libFuzzer runtime), the package check
# (strace), the checks of saved and printed PDFs (poppler-utils with its
# encoding data), the DejaVu faces fontconfig reads during the tests
# (fonts-dejavu-extra, so a fresh machine sees the same fonts), the install
# test (the Debian package and its checks) and the start-up benchmarks on an
# X server as on a desktop (bench/on_xvfb.sh: Xvfb, a window manager, a
# session bus; the X server's DAMAGE extension through xcb).
test_packages=(
  python3 strace xvfb poppler-utils poppler-data fonts-dejavu-extra openbox dbus-daemon libxcb-damage0-dev
  clang llvm libclang-rt-dev
  desktop-file-utils appstream dpkg-dev file lintian
)

with_tests=0
list_only=0
for argument in "$@"; do
  case "$argument" in
    --tests) with_tests=1 ;;
    --list) list_only=1 ;;
    *) echo "setup.sh: unknown argument $argument (known: --tests, --list)" >&2; exit 2 ;;
  esac
done

installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"
}
offered() {
  local candidate
  candidate=$(apt-cache policy "$1" 2>/dev/null | sed -n 's/^ *Candidate: *//p')
  [ -n "$candidate" ] && [ "$candidate" != "(none)" ]
}
# One name for an "a|b" entry: the first installed, else the first offered,
# else the first.
choose() {
  local IFS='|' alternatives name
  read -r -a alternatives <<<"$1"
  for name in "${alternatives[@]}"; do installed "$name" && { echo "$name"; return; }; done
  for name in "${alternatives[@]}"; do offered "$name" && { echo "$name"; return; }; done
  echo "${alternatives[0]}"
}

wanted=("${program_packages[@]}")
if [ "$with_tests" -eq 1 ]; then wanted+=("${test_packages[@]}"); fi
# Each entry's choice, without repetitions.
choose_all() { # entries...
  local entry name chosen=()
  for entry in "$@"; do
    name=$(choose "$entry")
    case " ${chosen[*]} " in *" $name "*) ;; *) chosen+=("$name") ;; esac
  done
  printf '%s\n' "${chosen[@]}"
}
mapfile -t packages < <(choose_all "${wanted[@]}")
if [ "$list_only" -eq 1 ]; then
  printf '%s\n' "${packages[@]}"
  exit 0
fi

fail() {
  echo "setup.sh: $*" >&2
  exit 1
}

# The release, from /etc/os-release (SETUP_OS_RELEASE names another file,
# for the set-up's own test).
os_release=${SETUP_OS_RELEASE:-/etc/os-release}
release="an unknown system"
id="" version=""
if [ -r "$os_release" ]; then
  # shellcheck disable=SC1090
  . "$os_release"
  id=${ID:-}
  version=${VERSION_ID:-}
  release=${PRETTY_NAME:-$id $version}
fi
case "$id:$version" in
  debian:12 | debian:13) ;;
  ubuntu:*) echo "setup.sh: $release has not been tried; supported are $supported." >&2 ;;
  debian:*) echo "setup.sh: $release has not been tried; supported are $supported." >&2 ;;
  *)
    if ! command -v apt-get >/dev/null || ! command -v dpkg-query >/dev/null; then
      fail "$release has no apt-get; supported are $supported."
    fi
    echo "setup.sh: $release has not been tried; supported are $supported." >&2 ;;
esac

missing=() missing_entries=()
for entry in "${wanted[@]}"; do
  p=$(choose "$entry")
  installed "$p" && continue
  case " ${missing[*]} " in *" $p "*) continue ;; esac
  missing+=("$p") missing_entries+=("$entry")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || fail "installing ${missing[*]} needs root: run this as root, or install sudo."
  sudo=(sudo)
fi

log=$(mktemp "${TMPDIR:-/tmp}/werkstoffpruefung-setup.XXXXXX")
echo "Installing: ${missing[*]}"
if ! "${sudo[@]}" apt-get update >"$log" 2>&1; then
  if grep -qiE "could not resolve|temporary failure|connection failed|unable to connect|network is unreachable|failed to fetch" "$log"; then
    fail "the package sources cannot be reached (no network?); apt-get's output is in $log."
  fi
  fail "apt-get update failed; its output is in $log."
fi
# Packages this release does not offer, named before apt stops at the first.
# (The choice of an "a|b" entry was made from package lists that may have
# been out of date: it is made again.)
mapfile -t missing < <(choose_all "${missing_entries[@]}")
unavailable=()
for p in "${missing[@]}"; do
  offered "$p" || unavailable+=("$p")
done
if [ ${#unavailable[@]} -gt 0 ]; then
  fail "$release does not offer ${unavailable[*]}; supported are $supported."
fi
if ! DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}" >>"$log" 2>&1; then
  if grep -qiE "could not resolve|temporary failure|connection failed|unable to connect|network is unreachable|failed to fetch" "$log"; then
    fail "the packages could not be downloaded (no network?); apt-get's output is in $log."
  fi
  fail "apt-get could not install ${missing[*]} on $release (supported are $supported); its output is in $log."
fi
rm -f "$log"

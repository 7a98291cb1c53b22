#!/usr/bin/env bash
# Checks scripts/setup.sh without touching the machine: apt-get, apt-cache,
# dpkg-query, id and sudo are stand-ins on PATH that play a fresh machine, a
# machine without network, without sudo, and a release that lacks packages.
# Each fault must end the set-up with one line that says what failed.
set -uo pipefail
setup=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
check() { # name, condition
  if eval "$2"; then echo "ok   $1"; else echo "FAIL $1"; failures=$((failures + 1)); fi
}

# The lists: the test set-up adds to the program's, no name is tied to one
# release, and an unknown argument is refused.
program=$("$setup" --list)
tests=$("$setup" --list --tests)
check "the program's packages are among the tests' packages" \
  '[ -z "$(comm -23 <(sort <<<"$program") <(sort <<<"$tests"))" ]'
check "the tests need more than the program" '[ "$(wc -l <<<"$tests")" -gt "$(wc -l <<<"$program")" ]'
check "the program's set-up has no test tools" '! grep -qxE "clang|lintian|strace" <<<"$program"'
check "no package name carries a version" '! grep -qE -- "-[0-9]+-dev$|^clang-[0-9]|^llvm-[0-9]" <<<"$tests"'
"$setup" --bogus >/dev/null 2>&1
check "an unknown argument is refused" '[ $? -eq 2 ]'

# Stand-ins. STATE_* variables choose what they do.
bin=$work/bin
mkdir -p "$bin"
cat >"$bin/dpkg-query" <<'STUB'
#!/bin/sh
exit 1
STUB
cat >"$bin/apt-cache" <<'STUB'
#!/bin/sh
# policy NAME: offered unless named in STATE_UNOFFERED
for n in $STATE_UNOFFERED; do [ "$n" = "$2" ] && { echo "  Candidate: (none)"; exit 0; }; done
echo "  Candidate: 1.0"
STUB
cat >"$bin/apt-get" <<'STUB'
#!/bin/sh
if [ "$1" = update ] && [ -n "$STATE_OFFLINE" ]; then
  echo "Err:1 http://deb.debian.org/debian trixie InRelease"
  echo "  Temporary failure resolving 'deb.debian.org'"
  exit 100
fi
echo "apt-get $*" >>"$STATE_LOG"
exit 0
STUB
cat >"$bin/id" <<'STUB'
#!/bin/sh
echo "${STATE_UID:-0}"
STUB
cat >"$bin/sudo" <<'STUB'
#!/bin/sh
echo "sudo $*" >>"$STATE_LOG"
exec "$@"
STUB
chmod +x "$bin"/*
printf 'ID=debian\nVERSION_ID=13\nPRETTY_NAME="Debian GNU/Linux 13 (trixie)"\n' >"$work/debian13"
printf 'ID=debian\nVERSION_ID=11\nPRETTY_NAME="Debian GNU/Linux 11 (bullseye)"\n' >"$work/debian11"
printf 'ID=fedora\nVERSION_ID=40\nPRETTY_NAME="Fedora Linux 40"\n' >"$work/fedora"

run() { # os-release file, then VAR=value settings; sets out, status, log
  local release=$1; shift
  : >"$work/log"
  out=$(env PATH="$bin:$PATH" SETUP_OS_RELEASE="$work/$release" STATE_LOG="$work/log" \
        STATE_UID=0 STATE_OFFLINE= STATE_UNOFFERED= "$@" "$setup" 2>&1)
  status=$?
  log=$(cat "$work/log")
}
one_line() { [ "$(printf '%s\n' "$out" | grep -c 'setup.sh:')" -eq 1 ]; }

run debian13
check "a supported release installs what is missing" '[ $status -eq 0 ] && grep -q "apt-get install" <<<"$log"'
check "it installs nothing twice" '[ "$(grep "apt-get install" <<<"$log" | tr " " "\n" | sort | uniq -d)" = "" ]'

run debian13 STATE_UID=1000
check "a user installs through sudo" '[ $status -eq 0 ] && grep -q "^sudo apt-get install" <<<"$log"'

# Without sudo: the stand-ins and the shell's tools only, none of them sudo.
nosudo=$work/nosudo
mkdir -p "$nosudo"
for tool in bash env sed grep mktemp rm; do ln -s "$(command -v "$tool")" "$nosudo/$tool"; done
for tool in dpkg-query apt-cache apt-get id; do ln -s "$bin/$tool" "$nosudo/$tool"; done
run debian13 STATE_UID=1000 PATH="$nosudo"
check "without sudo: one line, and nothing is run" \
  '[ $status -ne 0 ] && one_line && grep -q "needs root" <<<"$out" && [ -z "$log" ]'

run debian13 STATE_OFFLINE=1
check "without network: one line naming the cause" \
  '[ $status -ne 0 ] && one_line && grep -q "no network" <<<"$out" && ! grep -q "apt-get install" <<<"$log"'

run debian11 STATE_UNOFFERED="qt6-base-dev qt6-charts-dev"
check "an unsupported release: the packages it lacks and the supported releases" \
  '[ $status -ne 0 ] && grep -q "does not offer qt6-base-dev qt6-charts-dev" <<<"$out" \
   && grep -q "supported are Debian 12 (bookworm) and Debian 13 (trixie)" <<<"$out" \
   && ! grep -q "apt-get install" <<<"$log"'

run debian13 STATE_UNOFFERED="libqt6opengl6-dev"
check "Qt's OpenGL files come with qt6-base-dev where there is no package of their own" \
  '[ $status -eq 0 ] && ! grep -q "libqt6opengl6-dev" <<<"$log" && grep -q " qt6-base-dev" <<<"$log"'

# A system without apt-get or dpkg-query: only the shell's tools on PATH.
bare=$work/bare
mkdir -p "$bare"
for tool in bash env sed grep cat mktemp id; do ln -s "$(command -v "$tool")" "$bare/$tool"; done
run fedora PATH="$bare"
check "a system without apt: one line" '[ $status -ne 0 ] && one_line && grep -q "Fedora Linux 40 has no apt-get" <<<"$out"'

echo "$failures failed"
[ "$failures" -eq 0 ]

#!/usr/bin/env bash
# Runs a benchmark on an X server as on a desktop: a fresh Xvfb screen of
# 1024 x 768, the openbox window manager and a session bus, so the program
# pays for what it pays for on a desktop (xcb, window manager, accessibility
# bus look-up). Example:
#   bench/on_xvfb.sh build/bench/bench_startup
#   bench/on_xvfb.sh build/bench/bench_windows
# Xvfb, openbox and dbus-run-session come with scripts/setup.sh --tests.
set -euo pipefail

if [ $# -eq 0 ]; then
  echo "usage: bench/on_xvfb.sh COMMAND [ARGUMENT...]" >&2
  exit 2
fi
for tool in Xvfb openbox dbus-run-session; do
  command -v "$tool" >/dev/null || { echo "on_xvfb.sh: $tool is missing (scripts/setup.sh --tests installs it)" >&2; exit 2; }
done

# Xvfb picks a free display and writes its number to the pipe.
exec {display_fd}<> <(:)
Xvfb -displayfd "$display_fd" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
read -r -t 10 -u "$display_fd" number || { echo "on_xvfb.sh: Xvfb did not start" >&2; kill "$xvfb" 2>/dev/null; exit 1; }
export DISPLAY=":$number"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
cleanup() { kill "$wm" "$xvfb" 2>/dev/null || true; wait 2>/dev/null || true; }
openbox >/dev/null 2>&1 &
wm=$!
trap cleanup EXIT
# Give the window manager its moment before the first window appears.
sleep 1
dbus-run-session -- "$@"

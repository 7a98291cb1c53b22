#!/usr/bin/env bash
# Installs what building and running the program needs, builds the program
# alone (no tests) and starts it; arguments go to the program.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh"
"$top/scripts/build.sh" --program
exec "$top/build/app/werkstoffpruefung" "$@"

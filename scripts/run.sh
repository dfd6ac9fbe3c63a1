#!/usr/bin/env bash
# Sets up, builds and runs the program: the crossword window where there is a
# display, otherwise a grid computed on the command line. Only the programs
# and their data are built (the tests too if scripts/test.sh already
# configured build/ for them).
# Usage: scripts/run.sh [arguments for verbal or verbal-cli]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh" --run
"$root/scripts/build.sh" "$root/build" > /dev/null
out="$root/build/out"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x "$out/verbal" ]; then
  exec "$out/verbal" "$@"
fi
if [ $# -eq 0 ]; then
  set -- generate --size 10 --quality 1
fi
exec "$out/verbal-cli" "$@"

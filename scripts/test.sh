#!/usr/bin/env bash
# Sets up, builds and runs every test: once in a normal build, once under
# AddressSanitizer and UndefinedBehaviorSanitizer, then fuzzes the file
# readers for a short while.
# Usage: scripts/test.sh [--quick]   (--quick: only the normal build)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
quick=0
[ "${1:-}" = "--quick" ] && quick=1

"$root/scripts/setup.sh"
# Once is enough: the scripts below need not check the packages again.
export VERBAL_SETUP_DONE=1
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"

echo "== Compilation et tests =="
"$root/scripts/build.sh" "$root/build" -DVERBAL_TESTS=ON -DVERBAL_BENCH=ON
ctest --test-dir "$root/build" --output-on-failure -j "$(nproc)"

if [ $quick -eq 0 ]; then
  echo "== Compilation et tests sous AddressSanitizer et UndefinedBehaviorSanitizer =="
  "$root/scripts/build.sh" "$root/build-asan" -DVERBAL_SANITIZE=ON -DVERBAL_TESTS=ON -DVERBAL_BENCH=OFF
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir "$root/build-asan" --output-on-failure -j "$(nproc)"
  echo "== Fuzzing des lecteurs de fichiers =="
  "$root/scripts/fuzz.sh" 30
fi
echo "Tous les tests sont passés."

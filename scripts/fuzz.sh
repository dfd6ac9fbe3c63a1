#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a while on copies of
# the committed seed corpora.
# Usage: scripts/fuzz.sh [seconds per target, default 60]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-60}"
"$root/scripts/setup.sh"
dir="$root/build-fuzz"
CXX=clang++ "$root/scripts/build.sh" "$dir" -DVERBAL_FUZZ=ON -DVERBAL_GUI=OFF -DVERBAL_TESTS=OFF \
  -DVERBAL_BENCH=OFF > /dev/null
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
run() {
  local target="$1"; shift
  echo "== $target ($seconds s) =="
  mkdir -p "$work/$target"
  ASAN_OPTIONS=detect_leaks=1 "$dir/tests/fuzz/$target" -max_total_time="$seconds" \
    -max_len=1100000 -rss_limit_mb=4096 -print_final_stats=1 -artifact_prefix="$work/" \
    "$work/$target" "$@" 2>&1 | grep -E "Done|stat::number_of_executed_units|ERROR|SUMMARY" || true
  if ls "$work"/crash-* "$work"/leak-* "$work"/timeout-* >/dev/null 2>&1; then
    echo "Le fuzzing de $target a trouvé un problème :"; ls "$work"/crash-* "$work"/leak-* "$work"/timeout-* 2>/dev/null
    exit 1
  fi
}
run GridFileFuzz "$root/tests/fuzz/corpus/grid"
run DictionaryFuzz "$root/tests/fuzz/corpus/dict" "$root/tests/fuzz/corpus/defs"
echo "Fuzzing terminé sans problème."

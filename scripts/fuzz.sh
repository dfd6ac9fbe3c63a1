#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a while on copies of
# the committed seed corpora. Any finding fails: a crash, a leak, a timeout,
# running out of memory, a unit slower than libFuzzer tolerates, or the
# fuzzer ending with an error of its own.
# Usage: scripts/fuzz.sh [seconds per target, default 60]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-60}"
# scripts/test.sh has already set the machine up.
[ -n "${VERBAL_SETUP_DONE:-}" ] || "$root/scripts/setup.sh"
dir="$root/build-fuzz"
CXX=clang++ "$root/scripts/build.sh" "$dir" -DVERBAL_FUZZ=ON -DVERBAL_GUI=OFF -DVERBAL_TESTS=OFF \
  -DVERBAL_BENCH=OFF > /dev/null
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
run() {
  local target="$1"; shift
  echo "== $target ($seconds s) =="
  local corpus="$work/corpus-$target" findings="$work/findings-$target" log="$work/$target.log"
  mkdir -p "$corpus" "$findings"
  local status=0
  ASAN_OPTIONS=detect_leaks=1 "$dir/tests/fuzz/$target" -max_total_time="$seconds" \
    -max_len=1100000 -rss_limit_mb=4096 -print_final_stats=1 -artifact_prefix="$findings/" \
    "$corpus" "$@" > "$log" 2>&1 || status=$?
  grep -E "Done|stat::number_of_executed_units|ERROR|SUMMARY" "$log" || true
  # libFuzzer names each finding after its kind (crash-, leak-, timeout-,
  # oom-, slow-unit-...): whatever it wrote there is one.
  if [ "$status" -ne 0 ] || [ -n "$(ls -A "$findings")" ]; then
    echo "Le fuzzing de $target a trouvé un problème (code de sortie $status) :"
    ls -l "$findings"
    tail -n 40 "$log"
    exit 1
  fi
}
run GridFileFuzz "$root/tests/fuzz/corpus/grid"
run DictionaryFuzz "$root/tests/fuzz/corpus/dict" "$root/tests/fuzz/corpus/defs"
run GenerationFuzz "$root/tests/fuzz/corpus/dict" "$root/tests/fuzz/corpus/generation"
run SettingsFuzz "$root/tests/fuzz/corpus/settings"
run HelpRecordFuzz "$root/tests/fuzz/corpus/help"
echo "Fuzzing terminé sans problème."

#!/usr/bin/env bash
# Installs what is missing, builds every libFuzzer target with clang under
# AddressSanitizer and UndefinedBehaviorSanitizer, runs each over its
# committed corpus (tests/fuzz/corpus/<target>), then fuzzes each for a few
# seconds from that corpus (about a minute in all). Any crash, leak,
# sanitizer report or input that takes longer than the time-out fails it.
#   FUZZ_SECONDS   seconds of random fuzzing shared by all targets (60)
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
build=build/fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DORVANE_FUZZ=ON -DORVANE_SANITIZER=address \
  -DORVANE_BUILD_TESTS=OFF -DORVANE_BUILD_GUI=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target orvane_fuzzers

mapfile -t binaries < <(find "$build/tests/fuzz" -type f -name 'fuzz_*' -perm -u+x | sort)
if [ ${#binaries[@]} -eq 0 ]; then
  echo "no fuzz targets were built" >&2
  exit 1
fi
total=${FUZZ_SECONDS:-60}
each=$(((total + ${#binaries[@]} - 1) / ${#binaries[@]}))
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

passed=0
failed=0
for binary in "${binaries[@]}"; do
  target=$(basename "$binary")
  corpus="tests/fuzz/corpus/$target"
  work="$scratch/$target"
  mkdir -p "$work"
  if [ -d "$corpus" ]; then
    cp "$corpus"/* "$work"/ 2>/dev/null || true
  else
    echo "$target: no committed corpus in $corpus" >&2
  fi
  log="$scratch/$target.log"
  # The corpus alone, then random inputs grown from it. Artifacts go to
  # the scratch folder, never into the source tree.
  if "$binary" -runs=0 -timeout=10 -artifact_prefix="$scratch/$target-" "$work" >"$log" 2>&1 &&
    "$binary" -max_total_time="$each" -timeout=10 -artifact_prefix="$scratch/$target-" \
      -print_final_stats=1 "$work" >>"$log" 2>&1; then
    echo "$target: ok ($(ls "$work" | wc -l) inputs, $(grep -E '^stat::number_of_executed_units' "$log" | awk '{print $2}') random executions)"
    passed=$((passed + 1))
  else
    echo "$target: FAILED" >&2
    grep -E -A25 'ERROR|runtime error|SUMMARY|Test unit written' "$log" | head -n 60 >&2 || tail -n 40 "$log" >&2
    failed=$((failed + 1))
  fi
done
echo "fuzzing: $passed passed, $failed failed"
[ "$failed" -eq 0 ]

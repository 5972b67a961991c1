#!/usr/bin/env bash
# The long fuzzing runs behind docs/reliability.md: each named target (all
# when none is named) runs for 10 million executions or 30 minutes,
# whichever comes first, at the lowest priority, two at a time, on a
# working corpus seeded from its committed corpus. Each target's libFuzzer
# output, final statistics included, goes to WORK/<target>.log.
#
#   scripts/fuzz-campaign.sh BUILD_DIR WORK_DIR [TARGET...]
#
# BUILD_DIR is a build made with -DORVANE_FUZZ=ON (see tests/fuzz/CMakeLists.txt).
# RUNS and SECONDS_PER_TARGET change the bounds, PARALLEL the number of
# targets run at once.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:?build directory}
work=${2:?work directory}
shift 2
runs=${RUNS:-10000000}
seconds=${SECONDS_PER_TARGET:-1800}
mkdir -p "$work"
build=$(cd "$build" && pwd)
work=$(cd "$work" && pwd)

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  mapfile -t targets < <(find "$build/tests/fuzz" -type f -name 'fuzz_*' -perm -u+x -printf '%f\n' | sort)
fi

run_one() {
  local target=$1 binary
  binary=$(find "$build/tests/fuzz" -type f -name "$target" -perm -u+x | head -n 1)
  if [ -z "$binary" ]; then
    echo "$target: not built" >&2
    return 1
  fi
  mkdir -p "$work/$target" "$work/$target.artifacts"
  if [ -d "tests/fuzz/corpus/$target" ]; then
    cp -n "tests/fuzz/corpus/$target"/* "$work/$target"/ 2>/dev/null || true
  fi
  local status=0
  nice -n 19 "$binary" -runs="$runs" -max_total_time="$seconds" -timeout=25 \
    -print_final_stats=1 -artifact_prefix="$work/$target.artifacts/" \
    "$work/$target" >"$work/$target.log" 2>&1 || status=$?
  echo "$target: exit $status, $(grep -E '^stat::number_of_executed_units' "$work/$target.log" | awk '{print $2}') executions, $(grep -E '^Done|DONE' "$work/$target.log" | tail -n 1)"
}
export -f run_one
export build work runs seconds
printf '%s\n' "${targets[@]}" | xargs -P "${PARALLEL:-2}" -I{} bash -c 'run_one "$@"' _ {}

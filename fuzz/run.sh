#!/usr/bin/env bash
# Builds the fuzz targets with clang in build-fuzz/ and runs each one for a
# bounded time from its seed inputs in fuzz/corpus/<target>/. Any crash,
# sanitizer report, leak, time-out or broken promise fails the run; the input
# that did it is kept in build-fuzz/artifacts/ (replay: build-fuzz/fuzz_<target> <file>).
#   fuzz/run.sh [seconds per target, default 30]   (DEEDWELL_FUZZ_BUILD=<dir> builds elsewhere)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
build=${DEEDWELL_FUZZ_BUILD:-build-fuzz}

cmake -S fuzz -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)"
mkdir -p "$build/artifacts"

# One target: new inputs go to build-fuzz/corpus/<target>, never into the
# committed seeds.
run_target() {
  local name=$1
  mkdir -p "$build/corpus/$name"
  "$build/fuzz_$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$build/artifacts/$name-" \
    "$build/corpus/$name" "fuzz/corpus/$name" >"$build/$name.log" 2>&1
}

# As many targets at once as there are cores.
names=()
for program in "$build"/fuzz_*; do
  [ -x "$program" ] && names+=("${program##*/fuzz_}")
done
declare -A status
pending=("${names[@]}")
while [ ${#pending[@]} -gt 0 ]; do
  batch=("${pending[@]:0:$(nproc)}")
  pending=("${pending[@]:${#batch[@]}}")
  declare -A pids=()
  for name in "${batch[@]}"; do
    run_target "$name" &
    pids[$name]=$!
  done
  for name in "${batch[@]}"; do
    if wait "${pids[$name]}"; then status[$name]=0; else status[$name]=$?; fi
  done
  unset pids
done

passed=0
failed=0
for name in "${names[@]}"; do
  log=$build/$name.log
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  if [ "${status[$name]}" -eq 0 ]; then
    echo "fuzz_$name: ${runs:-?} inputs in ${seconds}s, ${rate:-?} exec/s, no finding"
    passed=$((passed + 1))
  else
    echo "fuzz_$name: FAILED (exit ${status[$name]}); the end of $log:"
    tail -n 40 "$log"
    failed=$((failed + 1))
  fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]

#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and UndefinedBehaviorSanitizer) and
# runs each one from its seed corpus for a bounded time with a fixed seed. Fails on any finding;
# the input that caused it is kept in fuzz/corpus-work/<target>/.
#   tools/fuzz.sh              20 seconds per target (CI runs 10)
#   tools/fuzz.sh 600          a longer local run
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
bash tools/deps.sh clang-14 libclang-rt-14-dev
# The `fuzz` preset, in its own folder or in LIFETALLY_FUZZ_BUILD.
dir=${LIFETALLY_FUZZ_BUILD:-build/fuzz}
cmake --preset fuzz -B "$dir" >/dev/null
cmake --build "$dir" --target fuzzers -j "${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
failed=0
for corpus in fuzz/corpus/*/; do
  target=$(basename "$corpus")
  work=fuzz/corpus-work/$target
  mkdir -p "$work"
  log=$work/last-run.log
  # New inputs go to the work folder; the seed corpus in the repository stays as it is.
  if "$dir/fuzz/$target" -seed=1 -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
       -print_final_stats=1 -artifact_prefix="$work/" "$work" "$corpus" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "$target: ${runs:-?} executions, no findings"
  else
    failed=1
    echo "$target: FINDING (see $log)" >&2
    grep -E "^(==[0-9]+==ERROR|property broken|SUMMARY)" "$log" >&2 || tail -20 "$log" >&2
  fi
done
exit $failed

#!/usr/bin/env bash
# Speed of the settings-file fuzz target: executions a second over a run from the seed corpus, with
# the flags and seed tools/fuzz.sh uses, against the target's first version (5,660 a second on the
# development machine; the goal is ten times that), and, for a run of ten minutes, the inputs it
# made against the goal of ten million.
#
#   bench/fuzz_rate.sh [SECONDS]      30 by default; 600 for the ten-minute figure
#
# A run's speed falls as its inputs grow longer, so only runs of the same length compare. The
# machine's load moves the figure by tens of percent: compare two builds in alternating runs.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
first_version_rate=5660

bash tools/deps.sh clang-14 libclang-rt-14-dev
dir=${LIFETALLY_FUZZ_BUILD:-build/fuzz}
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
      -DLIFETALLY_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build "$dir" --target fuzz_inifile -j "$(nproc)" >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A fresh folder each time: inputs kept from an earlier run would start this one further on.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
"$dir/fuzz/fuzz_inifile" -seed=1 -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$work/" "$work" fuzz/corpus/fuzz_inifile/ >"$work/log" 2>&1 ||
    { tail -20 "$work/log" >&2; exit 1; }
runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log")
took=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$work/log")
awk -v runs="$runs" -v s="$seconds" -v rate="$took" -v first="$first_version_rate" 'BEGIN {
    printf "fuzz_inifile, %d s from the seed corpus: %d executions, %d a second = %.1f x the first version (target >= 10 x)\n",
        s, runs, rate, rate / first
    if (s >= 600)
        printf "  ten-minute run: %d inputs (target >= 10000000: %s)\n", runs, (runs >= 1e7 ? "met" : "not met")
}'

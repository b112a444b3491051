#!/usr/bin/env bash
# Speed of the settings-file fuzz target: executions a second over a run from the seed corpus, with
# the flags and seed tools/fuzz.sh uses; the goal is ten times the target's first version and, in a
# run of ten minutes, ten million inputs.
#
#   bench/fuzz_rate.sh [SECONDS] [--first-version]
#
# SECONDS is 30 by default; 600 gives the ten-minute figure. --first-version also builds the target
# as it first was (commit db9ba38, in a scratch worktree) and runs the two alternately, twice, for a
# ratio on this machine; without it the ratio is to the first version's 5,660 a second on the
# machine of the time. A run's speed falls as its inputs grow longer, so only runs of the same
# length compare, and the machine's load moves the figure by tens of percent. With --first-version
# the inputs the last run kept are then replayed through both targets alone (bench/fuzz_replay.cpp):
# their own time an input on the same inputs, and what is left of an execution for the fuzzer.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=30
against=0
for arg in "$@"; do
    case $arg in
    --first-version) against=1 ;;
    *) seconds=$arg ;;
    esac
done
first_version=db9ba38
first_version_rate=5660

bash tools/deps.sh clang-14 libclang-rt-14-dev
work=$(mktemp -d)
cleanup() {
    [[ -d $work/first ]] && git worktree remove --force "$work/first" >/dev/null 2>&1
    rm -rf "$work"
}
trap cleanup EXIT

build() { # source folder, build folder
    cmake -S "$1" -B "$2" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
          -DLIFETALLY_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
    cmake --build "$2" --target fuzz_inifile -j "$(nproc)" >/dev/null
}
dir=${LIFETALLY_FUZZ_BUILD:-build/fuzz}
build . "$dir"
if ((against)); then
    git worktree add --detach "$work/first" "$first_version" >/dev/null 2>&1
    build "$work/first" "$work/first/build"
fi

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
run() { # fuzz target, seed corpus: prints "executions rate"
    local out=$work/out
    # A fresh folder each time: inputs kept from an earlier run would start this one further on.
    rm -rf "$out" && mkdir "$out"
    "$1" -seed=1 -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$out/" "$out" "$2" >"$work/log" 2>&1 || { tail -20 "$work/log" >&2; exit 1; }
    echo "$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log") \
$(sed -n 's/^stat::average_exec_per_sec: *//p' "$work/log")"
}

if ((against)); then
    for round in 1 2; do
        read -r old_runs old_rate < <(run "$work/first/build/fuzz/fuzz_inifile" "$work/first/fuzz/corpus/fuzz_inifile/")
        read -r runs rate < <(run "$dir/fuzz/fuzz_inifile" fuzz/corpus/fuzz_inifile/)
        awk -v r="$round" -v s="$seconds" -v o="$old_rate" -v n="$rate" -v on="$old_runs" -v nn="$runs" 'BEGIN {
            printf "round %d, %d s each: first version %d a second (%d executions), now %d a second (%d) = %.1f x (target >= 10 x)\n",
                r, s, o, on, n, nn, n / o }'
    done
else
    read -r runs rate < <(run "$dir/fuzz/fuzz_inifile" fuzz/corpus/fuzz_inifile/)
    awk -v runs="$runs" -v s="$seconds" -v rate="$rate" -v first="$first_version_rate" 'BEGIN {
        printf "fuzz_inifile, %d s from the seed corpus: %d executions, %d a second = %.1f x the first version'"'"'s %d on the machine of its time (target >= 10 x)\n",
            s, runs, rate, rate / first, first
    }'
fi
if ((against)); then
    # The last run was today's: its kept inputs, replayed through each version without the fuzzer.
    runtime=$(clang++-14 --print-runtime-dir)
    replay() { # build folder: prints "inputs microseconds-an-input"
        clang++-14 -std=c++17 -O2 -fsanitize=address,undefined bench/fuzz_replay.cpp \
            "$1/fuzz/CMakeFiles/fuzz_inifile.dir/fuzz_inifile.cpp.o" "$1/liblifetally_core.a" \
            "$runtime/libclang_rt.fuzzer_no_main-x86_64.a" -lQt6Core -o "$work/replay"
        "$work/replay" "$work/out" 100
    }
    read -r inputs old_us < <(replay "$work/first/build")
    read -r _ us < <(replay "$dir")
    awk -v i="$inputs" -v o="$old_us" -v n="$us" -v rate="$rate" 'BEGIN {
        printf "same %d inputs, the target alone: first version %.1f us an input, now %.1f us = %.1f x; of now'"'"'s %.1f us an execution in the run, the fuzzer'"'"'s own %.1f us\n",
            i, o, n, o / n, 1e6 / rate, 1e6 / rate - n }'
fi
if ((seconds >= 600)); then
    awk -v runs="$runs" 'BEGIN { printf "  ten-minute run: %d inputs (target >= 10000000: %s)\n", runs, (runs >= 1e7 ? "met" : "not met") }'
fi

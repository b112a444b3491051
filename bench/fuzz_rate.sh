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
# their own time an input on the same inputs, and what is left of an execution for the fuzzer. The
# floor (bench/fuzz_floor.cpp), the least work the target's property asks of any parser, runs in each
# round and replay beside them: the ratio no version of the target can pass on this machine.
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

bash tools/deps.sh clang-14 libclang-rt-14-dev pkg-config
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
# The floor, compiled as CMakeLists.txt compiles the fuzz build: an object for the replay, and a
# fuzzer of it.
# shellcheck disable=SC2054 # the commas are clang's
floor_flags=(-std=c++17 -O2 -g -fPIC -fsanitize=fuzzer-no-link,address,undefined
             -fno-sanitize=pointer-overflow,alignment -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
if ((against)); then
    git worktree add --detach "$work/first" "$first_version" >/dev/null 2>&1
    build "$work/first" "$work/first/build"
    mkdir "$work/floor"
    # shellcheck disable=SC2046 # pkg-config's words are separate flags
    clang++-14 "${floor_flags[@]}" $(pkg-config --cflags Qt6Core) -c bench/fuzz_floor.cpp -o "$work/floor/fuzz_floor.o"
    clang++-14 -fsanitize=fuzzer,address,undefined "$work/floor/fuzz_floor.o" -lQt6Core -o "$work/floor/fuzz_floor"
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
        read -r _ floor_rate < <(run "$work/floor/fuzz_floor" fuzz/corpus/fuzz_inifile/)
        read -r runs rate < <(run "$dir/fuzz/fuzz_inifile" fuzz/corpus/fuzz_inifile/)
        awk -v r="$round" -v s="$seconds" -v o="$old_rate" -v n="$rate" -v on="$old_runs" -v nn="$runs" \
            -v f="$floor_rate" 'BEGIN {
            printf "round %d, %d s each: first version %d a second (%d executions), now %d a second (%d) = %.1f x (target >= 10 x); the floor %d a second = %.1f x\n",
                r, s, o, on, n, nn, n / o, f, f / o }'
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
    replay() { # objects of a target: prints "inputs microseconds-an-input"
        clang++-14 -std=c++17 -O2 -fsanitize=address,undefined bench/fuzz_replay.cpp "$@" \
            "$runtime/libclang_rt.fuzzer_no_main-x86_64.a" -lQt6Core -o "$work/replay"
        "$work/replay" "$work/out" 100
    }
    target() { # build folder: the target's objects
        replay "$1/fuzz/CMakeFiles/fuzz_inifile.dir/fuzz_inifile.cpp.o" "$1/liblifetally_core.a"
    }
    read -r inputs old_us < <(target "$work/first/build")
    read -r _ us < <(target "$dir")
    read -r _ floor_us < <(replay "$work/floor/fuzz_floor.o")
    awk -v i="$inputs" -v o="$old_us" -v n="$us" -v f="$floor_us" -v rate="$rate" -v fr="$floor_rate" -v first="$old_rate" 'BEGIN {
        printf "same %d inputs, the target alone: first version %.1f us an input, now %.1f us = %.1f x, the floor %.1f us = %.1f x\n", i, o, n, o / n, f, o / f
        printf "  of now'"'"'s %.1f us an execution in the last round, the fuzzer'"'"'s own %.1f us\n", 1e6 / rate, 1e6 / rate - n
        # The floor keeps other inputs in its own run, so only its rate there compares.
        printf "  the floor'"'"'s speed in the fuzzer, %.1f x the first version'"'"'s in the last round, is the most any version of the target reaches (target >= 10 x: %s)\n",
            fr / first, (fr / first >= 10 ? "within reach" : "out of reach") }'
fi
if ((seconds >= 600)); then
    awk -v runs="$runs" 'BEGIN { printf "  ten-minute run: %d inputs (target >= 10000000: %s)\n", runs, (runs >= 1e7 ? "met" : "not met") }'
fi

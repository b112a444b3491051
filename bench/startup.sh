#!/usr/bin/env bash
# Start-up time and peak memory of the program, up to the main window's first painted frame, with
# a full settings file (three tables of 50 activities), side by side with a reference: the main
# window's own form showing its first page without the program's logic (startup_form). They run
# interleaved, N times each, so that a change in the machine's load touches both alike; medians are
# printed.
#
#   bench/startup.sh [-n N] [--callgrind] [BUILD_DIR]     (BUILD_DIR: build/release by default)
#
# --callgrind also counts each start-up's instructions under valgrind, a figure that does not
# drift with the load; the budget is program/form <= 1.15 in instructions. The windows draw
# offscreen (QT_QPA_PLATFORM=offscreen) unless QT_QPA_PLATFORM is set already, e.g.
# `xvfb-run -a env QT_QPA_PLATFORM=xcb bench/startup.sh`.
set -euo pipefail

runs=21
callgrind=0
build=build/release
while (($#)); do
    case $1 in
    -n) runs=$2; shift 2 ;;
    --callgrind) callgrind=1; shift ;;
    -h | --help) sed -n '2,12p' "$0"; exit 0 ;;
    *) build=$1; shift ;;
    esac
done
for f in lifetally bench/startup_form; do
    [[ -x $build/$f ]] || { echo "missing $build/$f: build with -DLIFETALLY_BENCH=ON" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The settings file lives beside the program, so the program runs from a copy in a scratch folder.
cp "$build/lifetally" "$work/"
{
    printf '[DOB]\nDate=3/15/1956\n\n[Name]\nname=Ann Lee\n\n[Income]\nincome=2500000\n'
    pers=(Year Day Week Month)
    for table in Hours:Hour:HrMin Money:Money:Amount Freq:Freq:Amount; do
        IFS=: read -r count row amount <<<"$table"
        printf '\n[%s]\nCount=51\n' "$count"
        for n in $(seq 1 51); do
            printf '\n[%s%d]\n' "$row" "$n"
            if ((n == 51)); then
                printf 'Desc=\n%s=\nPer=\nStart=\nEnd=\n' "$amount"
                continue
            fi
            case $count in
            Hours) value="$((n % 9)) Hrs $((n % 60)) Mins" ;;
            Money) value="\$$((10 * n)).50" ;;
            Freq) value=$n ;;
            esac
            end=Now
            ((n % 3)) || end=6/30/2020
            printf 'Desc=Activity %d\n%s=%s\nPer=%s\nStart=%d/%d/%d\nEnd=%s\n' "$n" "$amount" "$value" \
                "${pers[n % 4]}" $((1 + n % 12)) $((1 + n % 28)) $((1960 + n)) "$end"
        done
    done
} >"$work/lfy.ini"

export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export LIFETALLY_EXIT_AFTER_FIRST_PAINT=1 LIFETALLY_REPORT_FIRST_PAINT=1
export LANG=C.UTF-8 LC_ALL=C.UTF-8

names=(form program)
cmds=("$build/bench/startup_form" "$work/lifetally")

run() { # name "command [argument]": appends "microseconds-to-first-frame kilobytes microseconds-to-exit" to $work/<name>.txt
    local start end frame
    start=$(date +%s%N)
    # shellcheck disable=SC2086 # the command and its argument, split at the blank
    if ! /usr/bin/time -f '%e %M' -o "$work/time" $2 >/dev/null 2>"$work/stderr"; then
        echo "$1 failed:" >&2
        cat "$work/stderr" "$work/time" >&2
        exit 1
    fi
    end=$(date +%s%N)
    frame=$(awk '/^first-paint-ns / {print $2}' "$work/stderr")
    [[ -n $frame ]] || { echo "$1 reported no first frame" >&2; exit 1; }
    echo "$(((frame - start) / 1000)) $(awk '{print $2}' "$work/time") $(((end - start) / 1000))" >>"$work/$1.txt"
}

# One unmeasured round first, so that every file is in the page cache.
for i in 0 1; do run warm "${cmds[i]}"; done
for ((r = 0; r < runs; r++)); do
    for i in 0 1; do run "${names[i]}" "${cmds[i]}"; done
done

median() { # column of $work/<name>.txt
    sort -n <(awk -v c="$2" '{print $c}' "$work/$1.txt") | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'
}
declare -A ms kb whole
echo "start-up to the first painted frame ($QT_QPA_PLATFORM), median of $runs runs (and to the process's exit):"
for n in "${names[@]}"; do
    ms[$n]=$(median "$n" 1)
    kb[$n]=$(median "$n" 2)
    whole[$n]=$(median "$n" 3)
    awk -v n="$n" -v us="${ms[$n]}" -v kb="${kb[$n]}" -v w="${whole[$n]}" \
        'BEGIN {printf "  %-8s %7.1f ms (%5.1f ms to exit)   peak RSS %6.1f MB\n", n, us / 1000, w / 1000, kb / 1024}'
done
awk -v f="${ms[form]}" -v g="${ms[program]}" -v fk="${kb[form]}" -v gk="${kb[program]}" \
    -v wf="${whole[form]}" -v wg="${whole[program]}" \
    'BEGIN {printf "  program/form %.2f (to exit %.2f)   program - form RSS %+.1f MB\n", g / f, wg / wf, (gk - fk) / 1024}'

if ((callgrind)); then
    echo "instructions to the first painted frame (valgrind --tool=callgrind):"
    declare -A ir irexit
    for i in 0 1; do
        out="$work/callgrind.${names[i]}"
        # Up to the first frame alone (the process ends there), and with its shutdown.
        for mode in 2 1; do
            # shellcheck disable=SC2086
            LIFETALLY_REPORT_FIRST_PAINT=$mode valgrind --tool=callgrind --callgrind-out-file="$out.$mode" ${cmds[i]} \
                >/dev/null 2>"$work/stderr" || {
                cat "$work/stderr" >&2
                exit 1
            }
        done
        ir[${names[i]}]=$(awk '/^(summary|totals):/ {print $2; exit}' "$out.2")
        irexit[${names[i]}]=$(awk '/^(summary|totals):/ {print $2; exit}' "$out.1")
        cp "$out.2" "$out"
        printf '  %-8s %14d Ir (%d to exit)\n' "${names[i]}" "${ir[${names[i]}]}" "${irexit[${names[i]}]}"
    done
    awk -v f="${ir[form]}" -v g="${ir[program]}" -v xf="${irexit[form]}" -v xg="${irexit[program]}" \
        'BEGIN {printf "  program/form %.2f (target <= 1.15; to exit %.2f)   program - form %+.1f M Ir\n",
                g / f, xg / xf, (g - f) / 1e6}'
    if [[ -n ${LIFETALLY_KEEP_PROFILE:-} ]]; then
        cp "$work/callgrind.program" "$LIFETALLY_KEEP_PROFILE"
        echo "  program's profile kept in $LIFETALLY_KEEP_PROFILE (callgrind_annotate it)"
    fi
fi

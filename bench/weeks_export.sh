#!/usr/bin/env bash
# Time and peak memory of `lifetally --weeks` on A3 paper, as a PDF and as a PNG (300 dots an inch),
# for a life to age 90 and to age 120 with three full tables (50 hours rows; 50 money and 50
# frequency rows, all "Once"), N runs each; medians of the wall time and of the CPU time (user and
# system: on a busy machine the wall time waits for the others) are printed with the file's size.
#
#   bench/weeks_export.sh [-n N] [BUILD_DIR]     (BUILD_DIR: build/release by default)
set -euo pipefail

runs=11
build=build/release
while (($#)); do
    case $1 in
    -n) runs=$2; shift 2 ;;
    -h | --help) sed -n '2,8p' "$0"; exit 0 ;;
    *) build=$1; shift ;;
    esac
done
[[ -x $build/lifetally ]] || { echo "missing $build/lifetally" >&2; exit 1; }
program=$(realpath "$build/lifetally")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

ini=$work/full.ini
{
    printf '[DOB]\nDate=3/15/1960\n[Name]\nname=Ann Lee\n[Hours]\nCount=50\n'
    for i in $(seq 1 50); do
        end=Now; ((i % 3 == 0)) && end=1/1/2050
        printf '[Hour%d]\nDesc=Activity %d\nHrMin=%d Hrs\nPer=Week\nStart=1/1/%d\nEnd=%s\n' "$i" "$i" $((i % 9 + 1)) $((1960 + i)) "$end"
    done
    printf '[Money]\nCount=50\n'
    for i in $(seq 1 50); do
        printf '[Money%d]\nDesc=Purchase %d\nAmount=$1,000.00\nPer=Once\nStart=6/1/%d\nEnd=Now\n' "$i" "$i" $((1970 + i))
    done
    printf '[Freq]\nCount=50\n'
    for i in $(seq 1 50); do
        printf '[Freq%d]\nDesc=Trip %d\nAmount=1\nPer=Once\nStart=9/1/%d\nEnd=Now\n' "$i" "$i" $((1970 + i))
    done
} >"$ini"

median() { sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
for age in 90 120; do
    for kind in pdf png; do
        : >"$work/times"
        for _ in $(seq 1 "$runs"); do
            /usr/bin/time -f '%e %M %U %S' -o "$work/one" "$program" --settings "$ini" --weeks "$work/w.$kind" \
                --paper A3 --age "$age" 2>/dev/null
            cat "$work/one" >>"$work/times"
        done
        seconds=$(cut -d' ' -f1 "$work/times" | median)
        kb=$(cut -d' ' -f2 "$work/times" | median)
        cpu=$(awk '{print $3 + $4}' "$work/times" | median)
        printf -- '--weeks %s, A3, age %d: median %s s (CPU %s s), peak memory %d MB, file %d KB (%d runs)\n' \
            "$kind" "$age" "$seconds" "$cpu" $((kb / 1024)) $(($(stat -c %s "$work/w.$kind") / 1024)) "$runs"
    done
done

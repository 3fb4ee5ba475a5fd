#!/bin/sh
# Times bench-dupes against jdupes side by side, in alternating order, in three cases: warm
# cache with both cores, the tree evicted from the cache (vmtouch -e on the tree only), and
# warm on one core (taskset -c 0 for both). Prints every pair with the load average, then the
# median ratio of each case. Checks once that both found the same groups.
# usage: run-dupes-targets.sh BENCH_DUPES_BINARY TREE [MIN_SIZE] [ROUNDS]
set -eu
bin=$1 tree=$2 min=${3:-102400} rounds=${4:-5}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
here=$(dirname "$0")

wall_ms() { # command... ; prints wall milliseconds
    start=$(date +%s%N)
    "$@" >"$out/last" 2>/dev/null
    end=$(date +%s%N)
    echo $(((end - start) / 1000000))
}

ours() { $prefix "$bin" --min-size "$min" "$tree"; }
theirs() { $prefix jdupes -r -q -X "size+=:$min" "$tree"; }

run_case() { # name
    : >"$out/ratios"
    for round in $(seq "$rounds"); do
        [ "$1" = evicted ] && vmtouch -qe "$tree"
        if [ $((round % 2)) -eq 1 ]; then
            s=$(wall_ms ours)
            [ "$1" = evicted ] && vmtouch -qe "$tree"
            j=$(wall_ms theirs)
        else
            j=$(wall_ms theirs)
            [ "$1" = evicted ] && vmtouch -qe "$tree"
            s=$(wall_ms ours)
        fi
        ratio=$(awk "BEGIN { printf \"%.2f\", $s / $j }")
        echo "$ratio" >>"$out/ratios"
        echo "$1 min $min round $round: bench-dupes $s ms, jdupes $j ms, ratio $ratio, load $(cut -d' ' -f1 /proc/loadavg)"
    done
    echo "$1 min $min: median ratio $(sort -n "$out/ratios" | awk '{ r[NR] = $1 } END { print r[int((NR + 1) / 2)] }')"
}

"$bin" --min-size "$min" "$tree" >"$out/sweepnook" 2>/dev/null
jdupes -r -q -X "size+=:$min" "$tree" >"$out/jdupes"
python3 "$here/compare-dupes.py" "$out/sweepnook" "$out/jdupes"
find "$tree" -type f -exec cat {} + >/dev/null # warm the cache
prefix=
run_case warm
run_case evicted
find "$tree" -type f -exec cat {} + >/dev/null
prefix="taskset -c 0"
run_case one-core

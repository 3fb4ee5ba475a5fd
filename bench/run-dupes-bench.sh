#!/bin/sh
# Runs bench-dupes, jdupes and fdupes side by side on one tree, warm cache, same minimum size;
# checks that they find the same groups and prints the wall times.
# usage: run-dupes-bench.sh BENCH_DUPES_BINARY TREE [MIN_SIZE] [ROUNDS]
set -eu
bin=$1 tree=$2 min=${3:-102400} rounds=${4:-3}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
here=$(dirname "$0")

wall_ms() { # command... ; prints wall milliseconds, output to $out/last
    start=$(date +%s%N)
    "$@" >"$out/last" 2>"$out/err"
    end=$(date +%s%N)
    echo $(((end - start) / 1000000))
}

find "$tree" -type f -exec cat {} + >/dev/null # warm the cache
for round in $(seq "$rounds"); do
    s=$(wall_ms "$bin" --min-size "$min" "$tree"); cp "$out/last" "$out/sweepnook"
    peak=$(sed -n 's/peak_rss_kib //p' "$out/err")
    j=$(wall_ms jdupes -r -q -X "size+=:$min" "$tree"); cp "$out/last" "$out/jdupes"
    f=$(wall_ms fdupes -r -q -G "$min" "$tree"); cp "$out/last" "$out/fdupes"
    echo "round $round: bench-dupes ${s} ms (peak ${peak} KiB), jdupes ${j} ms, fdupes ${f} ms," \
        "ratio to jdupes $(awk "BEGIN { printf \"%.2f\", $s / $j }"), to fdupes $(awk "BEGIN { printf \"%.2f\", $s / $f }")"
done
python3 "$here/compare-dupes.py" "$out/sweepnook" "$out/jdupes" "$out/fdupes"

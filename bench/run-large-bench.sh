#!/bin/sh
# run-large-bench.sh BENCH_LARGE TREE [RUNS [COLD_RUNS]]: find and bench-large side by side, alternating,
# on a warm cache, then cold (caches dropped before each run) when this user may drop them.
# Prints one line per run with both times and their ratio (bench-large / find).
set -eu
BENCH=$1
TREE=$2
RUNS=${3:-7}
COLD_RUNS=${4:-3}
MIN=104857600
ms() { echo $(( ($2 - $1) / 1000000 )); }
# find -L exits 1 on a link loop or a dangling link after listing everything else; the run still
# counts, so neither tool's exit status may end the script (set -e).
run_find() { find -L "$TREE" -name '.*' -prune -o -type f -size +$((MIN - 1))c -print >/dev/null 2>&1 || true; }
run_ours() { "$BENCH" --min-size $MIN ${THREADS:+--threads $THREADS} "$TREE" >/dev/null 2>&1 || true; }
drop() { sync; echo 3 > /proc/sys/vm/drop_caches; }

one_round() {
    [ "$1" = cold ] && drop
    s=$(date +%s%N); run_find; e=$(date +%s%N); f=$(ms "$s" "$e")
    [ "$1" = cold ] && drop
    s=$(date +%s%N); run_ours; e=$(date +%s%N); o=$(ms "$s" "$e")
    echo "$1 find $f ms, bench-large $o ms, ratio $(awk "BEGIN { printf \"%.2f\", $o / $f }")"
}

run_find; run_ours # warm up
for i in $(seq 1 "$RUNS"); do one_round warm; done
if (echo 3 > /proc/sys/vm/drop_caches) 2>/dev/null; then
    for i in $(seq 1 "$COLD_RUNS"); do one_round cold; done
else
    echo "cold: cannot drop the caches here (no write access to /proc/sys/vm/drop_caches)"
fi

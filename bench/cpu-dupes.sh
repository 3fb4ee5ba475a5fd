#!/bin/sh
# CPU time of one duplicate scan on one core (taskset -c 0): each bench-dupes binary given and
# jdupes, taken in turn for ROUNDS rounds, each a `perf stat -r REPEATS` of task-clock, user and
# system time. Prints one line per measurement: load average, tool, task-clock, user, system
# (milliseconds, means over the repeats). Compares builds where wall time swings with the load.
# usage: cpu-dupes.sh TREE MIN_SIZE ROUNDS REPEATS BENCH_DUPES_BINARY...
set -eu
tree=$1 min=$2 rounds=$3 repeats=$4
shift 4
out=$(mktemp)
trap 'rm -f "$out"' EXIT

measure() { # name command...
    name=$1
    shift
    perf stat -r "$repeats" -x, -e task-clock,user_time,system_time -o "$out" \
        taskset -c 0 "$@" >/dev/null 2>&1
    awk -F, -v name="$name" -v load="$(cut -d' ' -f1 /proc/loadavg)" '
        $3 == "task-clock" { t = $1 }
        $3 == "user_time" { u = $1 / 1e6 }
        $3 == "system_time" { s = $1 / 1e6 }
        END { printf "load %s  %-28s task-clock %7.1f ms  user %6.1f ms  system %6.1f ms\n", load, name, t, u, s }' "$out"
}

find "$tree" -type f -exec cat {} + >/dev/null # warm the cache
for round in $(seq "$rounds"); do
    for bin in "$@"; do
        measure "$bin" "$bin" --min-size "$min" "$tree"
    done
    measure jdupes jdupes -r -q -X "size+=:$min" "$tree"
done

#!/bin/sh
# Cross-compiles the arm64 MD5 lane kernel and the plain kernel with their check and runs it under qemu-user.
# Exits 77 (skipped) where the cross compiler or qemu is missing.
# usage: run-md5-neon-check.sh SOURCE_DIR WORK_DIR
set -eu
src=$1 work=$2
cxx=$(command -v aarch64-linux-gnu-g++ || true)
qemu=$(command -v qemu-aarch64 || command -v qemu-aarch64-static || true)
if [ -z "$cxx" ] || [ -z "$qemu" ]; then
    echo "aarch64 cross compiler or qemu-user not installed: skipped"
    exit 77
fi
mkdir -p "$work"
"$cxx" -std=c++17 -O2 -Wall -Wextra -Werror -static -I"$src" \
    "$src/tests/arm64/md5neoncheck.cpp" "$src/cleaners/md5compressneon.cpp" \
    "$src/cleaners/md5compressplain.cpp" -o "$work/md5neoncheck"
"$qemu" "$work/md5neoncheck"

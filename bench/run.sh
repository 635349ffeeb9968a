#!/bin/sh
# Builds and runs every benchmark. Usage: bench/run.sh [build folder]  (default: build)
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" --target benchmarks -j2
export QT_QPA_PLATFORM=offscreen
for bench in "$build"/bench/bench_*; do
    [ -f "$bench" ] && [ -x "$bench" ] || continue
    echo "== $(basename "$bench")"
    "$bench"
done

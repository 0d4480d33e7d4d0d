#!/bin/bash
# Builds the native core without sanitizers and runs every benchmark.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUILLORN_BUILD:-$root/build}/bench
export LC_ALL=C
"$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DQUILLORN_SANITIZE=OFF >/dev/null
cmake --build "$build" -j"$(nproc)"
for bench in "$build"/*_bench; do
  echo "==== $(basename "$bench")"
  "$bench"
done

#!/bin/bash
# Measures the resident program under Wine (outside the tests' pass/fail):
#   - the latency from another program's clipboard write to the new entry;
#   - start-up until the main window is up, with an empty history and with
#     9,999 entries;
#   - exit (settings and history written) with a 10 MB history.
# Run scripts/bench.sh first or let this script build what it needs.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUILLORN_BUILD:-$root/build}
export LC_ALL=C

"$root/scripts/setup.sh" || exit 1
cmake -S "$root" -B "$build/bench" -DCMAKE_BUILD_TYPE=Release -DQUILLORN_SANITIZE=OFF >/dev/null
cmake --build "$build/bench" -j"$(nproc)" --target make_history >/dev/null || exit 1
cmake -S "$root" -B "$build/win" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
      -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build/win" -j"$(nproc)" --target Quillorn qdriver >/dev/null || exit 1

export QUILLORN_BED=$build/bench-bed
export QUILLORN_EXE=$build/win/Quillorn.exe
export QDRIVER=$build/win/tests/driver/qdriver.exe
export E2E_WORK=$build/bench-work
"$root/scripts/winebed.sh" start "$QUILLORN_BED" || exit 1
# shellcheck disable=SC1091
source "$root/tests/e2e/lib.sh"
trap 'stop_quillorn; "$root/scripts/winebed.sh" stop "$QUILLORN_BED"' EXIT
TEST_NAME=bench
WORK=$E2E_WORK/bench

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# Starts the program in a fresh folder holding the given history file (or
# none) with the driver's stopwatch; prints the milliseconds to its window.
timed_start() {
  prepare_work
  [ -n "$1" ] && cp "$1" "$WORK/Quillorn.his"
  preset_registry 'SystemInfo/HideTitle=dword:1' 'SystemInfo/HistoryType=dword:1' 'SystemInfo/HQuantity=dword:9999'
  # Not through a pipe: the started program would inherit it and keep it open.
  wine "$QDRIVER" launch "$(winepath -w "$WORK/Quillorn.exe")" </dev/null >"$WORK/launch.out" 2>>"$WORK/driver.log"
  QUILLORN_PID=
  tr -d '\r' <"$WORK/launch.out"
}

"$build/bench/make_history" 9999 240 "$build/bench-9999.his"
"$build/bench/make_history" 10 $((1024 * 1024)) "$build/bench-10mb.his"

echo "==== clipboard write to new entry (ms, 20 copies)"
timed_start "" >/dev/null
for i in $(seq 20); do qd copy "Bench $i" "テキスト $i" --time; done | median | sed 's/^/median: /'
qd exit-timed >/dev/null

echo "==== start-up to main window (ms, median of 5)"
empty=$(for i in $(seq 5); do timed_start ""; qd exit-timed >/dev/null; done | median)
full=$(for i in $(seq 5); do timed_start "$build/bench-9999.his"; qd exit-timed >/dev/null; done | median)
echo "empty history: $empty"
echo "9,999 entries: $full"
awk -v a="$full" -v b="$empty" 'BEGIN { printf "ratio: %.2fx (target: at most 1.5x)\n", a / b }'

echo "==== exit with a 10 MB history (ms, median of 3)"
for i in $(seq 3); do timed_start "$build/bench-10mb.his" >/dev/null; qd exit-timed; done | median | sed 's/^/median: /'

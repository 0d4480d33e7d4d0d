#!/bin/bash
# Measures the resident program under Wine (outside the tests' pass/fail):
#   - the latency from another program's clipboard write to the new entry;
#   - start-up until the main window answers: a bare dialog program that only
#     joins the clipboard viewer chain, the program with an empty history and
#     with a full one (9,999 entries, 10 MB), started in turns;
#   - the QuickSelect popup from the tray click to the menu on the screen, with
#     a 10-line and a 10,000-line phrase file;
#   - exit (settings and history written) with a 10 MB history;
#   - the longest capture delay in a burst of 100 copies, with an empty and
#     with a 10 MB history, and for copies that land on the history file's
#     deferred write (each two seconds after the one before);
#   - the longest pause of the program's window thread in the seconds after a
#     copy, which holds the deferred write of the history file;
#   - one keystroke in the search box over 9,999 entries holding 10 MB;
#   - exact texts: the capture of 1 MB of text outside Shift-JIS against 1 MB
#     of Japanese text, and start-up with 9,999 entries that each carry an
#     exact form against the same entries without them.
# Run scripts/bench.sh first or let this script build what it needs.
# `scripts/bench-wine.sh exact` runs only the exact-text measurements, and
# `scripts/bench-wine.sh startup` only the start-up and popup measurements.
# QUILLORN_BEFORE_EXE names an earlier build of the program: its start-up and
# popup are then measured in the same turns, for a before-and-after table.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUILLORN_BUILD:-$root/build}
export LC_ALL=C

"$root/scripts/setup.sh" || exit 1
cmake -S "$root" -B "$build/bench" -DCMAKE_BUILD_TYPE=Release -DQUILLORN_SANITIZE=OFF >/dev/null
cmake --build "$build/bench" -j"$(nproc)" --target make_history >/dev/null || exit 1
cmake -S "$root" -B "$build/win" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
      -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build/win" -j"$(nproc)" --target Quillorn qdriver bare_dialog >/dev/null || exit 1

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
# none) with the driver's stopwatch; prints the milliseconds until its window
# answers. Another executable (the bare dialog, an earlier build) may be given
# after the history; it runs under the program's name.
timed_start() { # history [exe]
  QUILLORN_EXE=${2:-$program} prepare_work
  [ -n "$1" ] && cp "$1" "$WORK/Quillorn.his"
  [ -n "$1" ] && [ -f "$1.w" ] && cp "$1.w" "$WORK/Quillorn.his.w"
  [ -n "${PHRASES:-}" ] && cp "$PHRASES" "$WORK/QuickSelect.txt"
  # Limited by a size above 10 MB, so no capture trims the big histories. A
  # left click on the tray icon opens the popup.
  preset_registry 'SystemInfo/HideTitle=dword:1' 'SystemInfo/HistoryType=dword:1' 'SystemInfo/HQuantity=dword:20000' \
                  'SystemInfo/TILClick=dword:1'
  # Not through a pipe: the started program would inherit it and keep it open.
  wine "$QDRIVER" launch "$(winepath -w "$WORK/Quillorn.exe")" </dev/null >"$WORK/launch.out" 2>>"$WORK/driver.log"
  QUILLORN_PID=
  tr -d '\r' <"$WORK/launch.out"
}

program=$QUILLORN_EXE
before=${QUILLORN_BEFORE_EXE:-}
bare=$build/win/bare_dialog.exe
# 9,999 entries of 1,048 bytes: 10 MB.
"$build/bench/make_history" 9999 1048 "$build/bench-9999.his"
"$build/bench/make_history" 10 $((1024 * 1024)) "$build/bench-10mb.his"
"$build/bench/make_history" 9999 240 "$build/bench-9999-exact.his" --exact
cp "$build/bench-9999-exact.his" "$build/bench-9999-shift-jis.his"

# The two sides of each comparison alternate, so that a machine whose load
# changes during the run weighs on both alike.
exact_texts() {
  local runs=7 i sjis beyond plain exact
  # 524,288 UTF-16 units (1 MB) each, copied as a Unicode program copies.
  echo "==== capture of 1 MB copied as Unicode text (ms, median of $runs)"
  timed_start "" >/dev/null
  for i in $(seq "$runs"); do
    qd copy "Bench $i" "あいうえお$i" --unicode --repeat 87381 --time >>"$WORK/sjis.ms"
    qd copy "Bench $i" "café 😀$i" --unicode --repeat 65536 --time >>"$WORK/beyond.ms"
  done
  sjis=$(median <"$WORK/sjis.ms"); beyond=$(median <"$WORK/beyond.ms")
  qd exit-timed >/dev/null
  echo "Japanese (Shift-JIS holds it): $sjis"
  echo "outside Shift-JIS (exact form kept): $beyond"
  awk -v a="$beyond" -v b="$sjis" 'BEGIN { printf "ratio: %.2fx (target: at most 1.5x)\n", a / b }'

  echo "==== start-up to main window, 9,999 entries (ms, median of $runs)"
  for i in $(seq "$runs"); do
    timed_start "$build/bench-9999-shift-jis.his" >>"$E2E_WORK/plain.ms"; qd exit-timed >/dev/null
    timed_start "$build/bench-9999-exact.his" >>"$E2E_WORK/exact.ms"; qd exit-timed >/dev/null
  done
  plain=$(median <"$E2E_WORK/plain.ms"); exact=$(median <"$E2E_WORK/exact.ms")
  rm -f "$E2E_WORK/plain.ms" "$E2E_WORK/exact.ms"
  echo "without exact forms: $plain"
  echo "each with an exact form: $exact"
  awk -v a="$exact" -v b="$plain" 'BEGIN { printf "ratio: %.2fx (target: at most 1.2x)\n", a / b }'
}
if [ "${1:-}" = exact ]; then
  exact_texts
  exit 0
fi

# Phrase files: the 10,000-line ones have the kinds of lines people write, in
# submenus of 50 lines, either all at the root (200 of them) or in sections of
# 20; the 10-line one is the sectioned file's first lines with the end items.
# The sectioned file opens on a root menu of the size the small one has, so
# the two popups differ in the lines behind them and not in what is drawn.
phrases() { # lines per section (0: none)
  awk -v section="$1" 'BEGIN {
  for (i = 0; i < 10000; ++i) {
    if (i % 50 == 0) {
      if (i == 0) print "@c"
      else { print "<"; if (section && i % section == 0) print "<" }
      continue
    }
    if (i % 50 == 1) { if (section && i % section == 1) print "> Section " i; print "> Group " i; continue }
    m = i % 10
    if (m == 0) print "# note " i " about the next lines"
    else if (m == 1) print ""
    else if (m == 2) print "-"
    else if (m == 3) print "@d Today " i " [!Y4/!M2/!D2 (!WJ) !AJ!h1:!m2]"
    else if (m == 4) print "@f Signature " i " [C:\\phrases\\sig" i ".txt]"
    else if (m == 5 || m == 6) print "[Thank you for your mail of the " i "th.]"
    else print "Greeting " i " [Dear customer, thank you for order " i ".]"
  }
  print "<"; if (section) print "<"; print "@e" }' | sed 's/$/\r/'
}
phrases 0 >"$build/bench-phrases-flat.txt"
phrases 1000 >"$build/bench-phrases-10000.txt"
{ head -9 "$build/bench-phrases-10000.txt"; printf '<\r\n<\r\n@e\r\n'; } >"$build/bench-phrases-10.txt"

# The programs measured in turns: label and executable.
programs=("bare" "$bare")
[ -n "$before" ] && programs+=("before" "$before")
programs+=("now" "$program")
# One round: every program once, with HISTORY; prints "label ms" lines.
start_round() { # history
  local i
  for ((i = 0; i < ${#programs[@]}; i += 2)); do
    [ "${programs[i]}" = bare ] && [ -n "$1" ] && continue
    echo "${programs[i]} $(timed_start "$1" "${programs[i + 1]}")"
    qd exit-timed >/dev/null
  done
}
# One round of the popup for each program and phrase file: "label lines ms".
popup_round() {
  local i lines
  for ((i = 0; i < ${#programs[@]}; i += 2)); do
    [ "${programs[i]}" = bare ] && continue
    for lines in 10 10000 flat; do
      PHRASES=$build/bench-phrases-$lines.txt timed_start "" "${programs[i + 1]}" >/dev/null
      qd popup-timed >/dev/null   # the first showing warms up the menu system
      echo "${programs[i]} $lines $(qd popup-timed)"
      qd exit-timed >/dev/null
    done
  done
}
of() { awk -v k="$1" '$1 == k { print $2 }' | median; }
of2() { awk -v k="$1" -v n="$2" '$1 == k && $2 == n { print $3 }' | median; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2fx", a / b }'; }

echo "==== start-up until the main window answers (ms, medians, programs in turns)"
rounds=${BENCH_ROUNDS:-11}   # start-ups under Wine vary by a third: 11 steady the medians
empty_runs=$(for r in $(seq $rounds); do start_round ""; done)
full_runs=$(for r in $(seq $rounds); do start_round "$build/bench-9999.his"; done)
bare_ms=$(of bare <<<"$empty_runs")
echo "bare dialog: $bare_ms"
for ((i = 2; i < ${#programs[@]}; i += 2)); do
  label=${programs[i]}
  e=$(of "$label" <<<"$empty_runs"); f=$(of "$label" <<<"$full_runs")
  echo "$label: empty history $e ($(ratio "$e" "$bare_ms") bare, target at most 1.2x);" \
       "9,999 entries, 10 MB $f ($(ratio "$f" "$e") empty, target at most 1.5x)"
done

echo "==== QuickSelect popup from the tray click to the menu on the screen (ms, medians, second showing)"
popup_runs=$(for r in $(seq $rounds); do popup_round; done)
for ((i = 2; i < ${#programs[@]}; i += 2)); do
  label=${programs[i]}
  p10=$(of2 "$label" 10 <<<"$popup_runs"); p10k=$(of2 "$label" 10000 <<<"$popup_runs")
  pflat=$(of2 "$label" flat <<<"$popup_runs")
  echo "$label: 10 lines $p10, 10,000 lines $p10k ($(ratio "$p10k" "$p10"), target at most 1.2x);" \
       "10,000 lines with 200 submenus at the root $pflat ($(ratio "$pflat" "$p10"))"
done

# "startup" as the argument: only the two measurements above.
[ "${1:-}" = startup ] && exit 0

echo "==== clipboard write to new entry (ms, 20 copies)"
timed_start "" >/dev/null
for i in $(seq 20); do qd copy "Bench $i" "テキスト $i" --time; done | median | sed 's/^/median: /'
qd exit-timed >/dev/null

echo "==== exit with a 10 MB history (ms, median of 3)"
for i in $(seq 3); do timed_start "$build/bench-10mb.his" >/dev/null; qd exit-timed; done | median | sed 's/^/median: /'

# Prints "longest X median Y" (ms) for COUNT copies GAP ms apart, over HISTORY.
burst() { # history count gap
  timed_start "$1" >/dev/null
  qd copy-burst "$2" 'Bench' 'Burst' "$3"
  qd exit-timed >/dev/null
}

echo "==== capture delay in a burst of 100 copies (ms)"
echo "empty history: $(burst "" 100 0)"
echo "10 MB history: $(burst "$build/bench-10mb.his" 100 0)"
echo "==== capture delay of copies landing on the deferred write, 20 copies 2 s apart (ms)"
echo "empty history: $(burst "" 20 2000)"
echo "10 MB history: $(burst "$build/bench-10mb.his" 20 2000)"

# The copy's own wait is in the first round trips; the write comes two
# seconds later. Beside it the same 4 s without a copy, for Wine's own pauses.
stall() { # history
  timed_start "$1" >/dev/null
  local quiet after
  quiet=$(for i in 1 2 3; do qd ui-stall 4000; done | median)
  after=$(for i in 1 2 3; do qd copy 'Bench' "Stall $i" >/dev/null; qd ui-stall 4000; done | median)
  qd exit-timed >/dev/null
  echo "after a copy $after, without one $quiet"
}
echo "==== longest pause of the window thread in 4 s (ms, median of 3)"
echo "empty history: $(stall "")"
echo "10 MB history: $(stall "$build/bench-10mb.his")"

# The search text set at once, as a keystroke changes it: the dialog filters
# the whole history and fills its list before the driver's message returns.
echo "==== one keystroke in the search box, 9,999 entries / 10 MB (ms, median of 5)"
"$build/bench/make_history" 9999 1000 "$build/bench-search.his"
timed_start "$build/bench-search.his" >/dev/null
qd focus-main >/dev/null && qd key f3 && qd dialog-wait '履歴の検索' || echo "the search box did not open"
for text in x zq 9998; do
  for i in $(seq 5); do
    qd dialog-type '履歴の検索' 1100 '' >/dev/null
    qd dialog-type '履歴の検索' 1100 "$text" --time
  done | median | sed "s/^/'$text': /"
done
qd exit-timed >/dev/null
exact_texts

#!/bin/bash
# Headless demo: Quillorn on a virtual screen under Wine with the package's
# sample QuickSelect.txt, a few Japanese texts copied from another program's
# windows, the main window shown and the QuickSelect popup open beside it, its
# history submenu unfolded; a screenshot.
# Usage: demo.sh BUILD_DIR (with Quillorn.exe and qdriver.exe built in BUILD_DIR/win)
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$1
export QUILLORN_BED=$build/demo-bed
export QUILLORN_EXE=$build/win/Quillorn.exe
export QDRIVER=$build/win/tests/driver/qdriver.exe
export E2E_WORK=$build

# However the demo ends: the program first, then the bed it runs in.
stop_demo() {
  if declare -F stop_quillorn >/dev/null; then stop_quillorn; fi
  "$root/scripts/winebed.sh" stop "$QUILLORN_BED"
}
trap stop_demo EXIT
trap 'exit 130' INT TERM
"$root/scripts/winebed.sh" start "$QUILLORN_BED" || exit 1

# The demo shares its steps with the end-to-end tests.
# shellcheck disable=SC1091
source "$root/tests/e2e/lib.sh"
# shellcheck disable=SC1091
source "$root/tests/e2e/quickselect_steps.sh"
trap stop_demo EXIT   # in place of the tests' own
TEST_NAME=demo
WORK=$build/demo

prepare_work
"$root/scripts/to-windows-text.sh" "$root/package/QuickSelect.txt" "$WORK/QuickSelect.txt" || exit 1
# A roomier window than the first-run default; the popup opens at the cursor.
start_quillorn --keep-work 'Window/Left=dword:40' 'Window/Top=dword:40' 'Window/Right=dword:520' \
  'Window/Bottom=dword:440' 'SystemInfo/QShowType=dword:2' "${QS_HOTKEY_PRESETS[@]}"
qd copy '議事録.txt - メモ帳' '本日の会議は十五時から第二会議室で行います。' --no-wait >/dev/null
qd copy 'Re: 見積もりの件 - メール' 'お世話になっております。見積書を添付いたします。' --no-wait >/dev/null
qd copy 'ブラウザ' 'https://example.com/quillorn' --no-wait >/dev/null
qd copy '住所録.csv - 表計算' '〒100-0001 東京都千代田区千代田1-1' --no-wait >/dev/null
qd focus-main >/dev/null
# Just right of the main window's top edge.
read -r x y w _ <<<"$(qd rect)"
move_cursor $((x + w + 12)) $((y + 24)) >/dev/null
open_popup_by_hotkey "the QuickSelect hotkey"
qd key down >/dev/null; qd key right >/dev/null   # the first entry, the history, unfolds
poll eval '[ "$(qd menu-rects | wc -l)" = 2 ]' || echo "demo: the history submenu did not unfold" >&2
settle
png=$(screenshot quillorn-demo) || { echo "demo: no screenshot" >&2; exit 1; }
qd key esc >/dev/null; qd key esc >/dev/null
echo "Screenshot: $png"

#!/bin/bash
# The history survives a restart through Quillorn.his beside the executable:
# loaded in order at start (the newest text back on the clipboard, not
# recorded again), written byte for byte at exit, deleted with "ExitToDel".
source "$(dirname "$0")/lib.sh"

# Wednesday 15 July 1998, 09:05:03 local time, and a minute earlier.
NEWEST=$(date -d '1998-07-15 09:05:03' +%s)
OLDER=$((NEWEST - 60))
expected=$E2E_WORK/expected-$TEST_NAME.his

# --- a file from an earlier run is loaded in order
prepare_work
history_bytes "$NEWEST" $'こんにちは\r\n世界' 'メモ帳 - 表示' \
              "$OLDER" $'tab\there' 'Browser' >"$HISTORY_FILE"
start_quillorn --keep-work
expect_eq "$(qd list)" $'こんにちは(改)世界\ntab    here' "entries are loaded newest first"
expect_eq "$(qd sel)" "0" "the newest entry is selected"
expect_eq "$(qd clipboard)" 'こんにちは\r\n世界' "the newest text is back on the clipboard"
expect_eq "$(qd text 1003)" 'サイズ\t： 16 Bytes\r\n日付\t： 1998/7/15 Wed （9:5:3）\r\nアプリ\t： メモ帳 - 表示' \
          "info of a loaded entry: four-digit year, weekday, time without leading zeros"

before=$(date +%s)
qd copy 'エディタ' '新しい' >/dev/null
after=$(date +%s)
expect_eq "$(qd list)" $'新しい\nこんにちは(改)世界\ntab    here' \
          "the text put back at start is not recorded a second time"
stop_quillorn

# --- the file written at exit holds exactly the three entries
captured=$(history_newest_time)
(( captured >= before && captured <= after )) || fail "capture time $captured is not between $before and $after"
history_bytes "$captured" '新しい' 'エディタ' \
              "$NEWEST" $'こんにちは\r\n世界' 'メモ帳 - 表示' \
              "$OLDER" $'tab\there' 'Browser' >"$expected"
expect_same_bytes "$HISTORY_FILE" "$expected" "the history file after exit"

# --- and is read again at the next start
start_quillorn --keep-work
qd copy 'Editor' 'marker' >/dev/null
expect_eq "$(qd list)" $'marker\n新しい\nこんにちは(改)世界\ntab    here' \
          "the next start shows the same entries in the same order, none twice"
qd select 1
expect_contains "$(qd text 1003)" 'アプリ\t： エディタ' "the captured entry's source survives the restart"
stop_quillorn

# --- no file and nothing captured: a 20-byte file with no entries
start_quillorn
stop_quillorn
le32 0xF1F2F3F4 0 0 0x1234FFFF 0 >"$expected"
expect_same_bytes "$HISTORY_FILE" "$expected" "an empty history's file"

# --- "ExitToDel": the file is neither read nor kept
prepare_work
history_bytes "$NEWEST" 'old entry' 'Browser' >"$HISTORY_FILE"
printf 'exact texts of an earlier run' >"$HISTORY_FILE.w"
start_quillorn --keep-work 'SystemInfo/ExitToDel=dword:1'
expect_eq "$(qd list)" "" "with ExitToDel the file is not read"
qd copy 'Editor' 'this run only' >/dev/null
qd copy 'Browser' 'beyond Shift-JIS 😀' --unicode >/dev/null
stop_quillorn
[ ! -e "$HISTORY_FILE" ] || fail "with ExitToDel the history file is deleted at exit"
[ ! -e "$HISTORY_FILE.w" ] || fail "with ExitToDel the exact texts beside it are deleted at exit"

# --- an entry of this century shows its year whole, not as years since 1900
prepare_work
history_bytes "$(date -d '2026-12-07 10:00:00' +%s)" 'this century' 'Editor' >"$HISTORY_FILE"
start_quillorn --keep-work
expect_contains "$(qd text 1003)" '日付\t： 2026/12/7 Mon （10:0:0）' "the year 2026 shows with its four digits"
screenshot info-view-year >/dev/null
stop_quillorn

finish

#!/bin/bash
# A damaged Quillorn.his gives an empty history, without a message and
# without a crash; the program records as usual and writes a sound file at exit.
source "$(dirname "$0")/lib.sh"

TIME=900461103
good_file() { history_bytes "$TIME" 'first entry' 'Editor' "$TIME" 'second entry' 'Browser'; }
SECOND_ENTRY=$((12 + 16 + 11 + 6))   # header, first entry
TRAILER=$((SECOND_ENTRY + 16 + 12 + 7))

# Starts with the damaged file in place; the list must come up empty.
expect_empty_start() { # what
  start_quillorn --keep-work
  expect_eq "$(qd list)" "" "$1: empty history"
}

# The undamaged file, for comparison.
prepare_work; good_file >"$HISTORY_FILE"
start_quillorn --keep-work
expect_eq "$(qd list)" $'first entry\nsecond entry' "the undamaged file loads"
stop_quillorn

prepare_work; good_file >"$HISTORY_FILE"
patch_le32 "$HISTORY_FILE" 0 0x12345678
expect_empty_start "wrong file magic"
qd copy 'Editor' 'still recording' >/dev/null
expect_eq "$(qd list)" "still recording" "the program records after a damaged file"
stop_quillorn
history_bytes "$(history_newest_time)" 'still recording' 'Editor' \
  >"$E2E_WORK/expected-$TEST_NAME.his"
expect_same_bytes "$HISTORY_FILE" "$E2E_WORK/expected-$TEST_NAME.his" "the damaged file is replaced at exit"

prepare_work; good_file >"$HISTORY_FILE"
patch_le32 "$HISTORY_FILE" "$TRAILER" 0x1234FFFE
expect_empty_start "wrong trailer magic"
stop_quillorn

# The last entry's text is cut short; the trailer is still there.
prepare_work
{ good_file | head -c $((TRAILER - 5)); le32 0x1234FFFF 12; } >"$HISTORY_FILE"
expect_empty_start "last entry cut short"
stop_quillorn

# A text longer than the largest length the trailer announces: the entries
# already read go as well.
prepare_work; good_file >"$HISTORY_FILE"
patch_le32 "$HISTORY_FILE" $((TRAILER + 4)) 11
expect_empty_start "second text longer than the trailer's largest length"
stop_quillorn

prepare_work; good_file >"$HISTORY_FILE"
patch_le32 "$HISTORY_FILE" 4 0xFFFFFFFF
expect_empty_start "entry count far beyond the file"
stop_quillorn

prepare_work; : >"$HISTORY_FILE"
expect_empty_start "empty file"
stop_quillorn

finish

#!/bin/bash
# A history file that cannot be loaded still starts an empty history without a
# message, but is kept aside as Quillorn.his.bad before anything writes a new
# file in its place. A missing file and a clean empty history are no damage.
# While the damaged file cannot be moved, nothing is written over it.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/history_file_steps.sh"

NO_TITLE=SystemInfo/HideTitle=dword:1
TIME=900461103
good_file() { history_bytes "$TIME" 'first entry' 'Editor' "$TIME" 'second entry' 'Browser'; }
TRAILER=$((12 + 16 + 11 + 6 + 16 + 12 + 7))
DAMAGED=$E2E_WORK/damaged-$TEST_NAME.his   # outside the work folder, which each start clears

# Starts over DAMAGED (already written), copies one text and exits; the
# damaged bytes must end up aside and the new history in the usual place.
expect_kept_aside_after_exit() { # what
  cp "$DAMAGED" "$HISTORY_FILE"
  start_quillorn --keep-work "$NO_TITLE"
  expect_eq "$(qd list)" "" "$1: the history starts empty"
  qd copy 'Editor' "after $1" >/dev/null
  stop_quillorn
  expect_same_bytes "$KEPT_ASIDE_FILE" "$DAMAGED" "$1: the damaged file is kept aside whole"
  history_bytes "$(history_newest_time)" "after $1" 'Editor' >"$WORK/expected.his"
  expect_same_bytes "$HISTORY_FILE" "$WORK/expected.his" "$1: the new history is written in its place"
}

# --- damaged files are kept aside --------------------------------------------
prepare_work
good_file | head -c $((TRAILER - 5)) >"$DAMAGED"
expect_kept_aside_after_exit "a truncated file"

# A file kept aside earlier gives way to the newest damaged one.
prepare_work
echo 'kept aside by an earlier run' >"$KEPT_ASIDE_FILE"
good_file >"$DAMAGED"
patch_le32 "$DAMAGED" 0 0x12345678
expect_kept_aside_after_exit "a wrong magic"

# --- no damage, nothing kept aside --------------------------------------------
start_quillorn "$NO_TITLE"
qd copy 'Editor' 'first run' >/dev/null
stop_quillorn
expect_eq "$(history_files)" "Quillorn.his Quillorn.his.w " "a missing file leaves no .bad file"

prepare_work
history_bytes >"$HISTORY_FILE"
expect_eq "$(stat -c %s "$HISTORY_FILE")" 20 "the clean empty history is 20 bytes"
start_quillorn --keep-work "$NO_TITLE"
qd copy 'Editor' 'after an empty history' >/dev/null
stop_quillorn
expect_eq "$(history_files)" "Quillorn.his Quillorn.his.w " "a clean empty history leaves no .bad file"

# A file of no bytes holds nothing worth keeping: it does not push out a file
# kept aside earlier.
prepare_work
echo 'kept aside by an earlier run' >"$KEPT_ASIDE_FILE"
cp "$KEPT_ASIDE_FILE" "$WORK/earlier.bad"
: >"$HISTORY_FILE"
start_quillorn --keep-work "$NO_TITLE"
qd copy 'Editor' 'after a file of no bytes' >/dev/null
stop_quillorn
expect_same_bytes "$KEPT_ASIDE_FILE" "$WORK/earlier.bad" "a file of no bytes leaves the earlier .bad file alone"
expect_eq "$(history_entry_count)" 1 "and is replaced by the new history"

# --- the damaged file cannot be moved: nothing is written over it ---------------
prepare_work
good_file >"$DAMAGED"
patch_le32 "$DAMAGED" "$TRAILER" 0x1234FFFE
cp "$DAMAGED" "$HISTORY_FILE"
start_quillorn --keep-work "$NO_TITLE"
hold_file "$HISTORY_FILE"
qd copy 'Editor' 'while the damaged file is held' >/dev/null
expect_eq "$(qd list)" 'while the damaged file is held' "the program records as usual"

# Once the other program lets go, the next change keeps it aside and writes:
# the held file was neither written over nor moved in the meantime.
release_file
qd copy 'Editor' 'after the release' >/dev/null
# The damaged file counts two entries too: the write is there once it is aside.
poll test -f "$KEPT_ASIDE_FILE" || fail "the released damaged file was never kept aside"
expect_history_written 2 "the new history is written in the damaged file's place"
expect_same_bytes "$KEPT_ASIDE_FILE" "$DAMAGED" "the released damaged file is kept aside"
# The exact texts follow the history file a moment later.
expect_eventually "Quillorn.his Quillorn.his.bad Quillorn.his.w " "and nothing else is left behind" history_files

# The name to keep it under is taken by a folder: the move fails while a new
# file could well be written. Neither the deferred write nor the exit does.
stop_quillorn
prepare_work
cp "$DAMAGED" "$HISTORY_FILE"
mkdir "$KEPT_ASIDE_FILE"
start_quillorn --keep-work "$NO_TITLE"
qd copy 'Editor' 'nowhere to keep the damaged file' >/dev/null
# The exit writes the way the deferred write does.
stop_quillorn
expect_same_bytes "$HISTORY_FILE" "$DAMAGED" "a damaged file that cannot be moved is not written over by the exit"

finish

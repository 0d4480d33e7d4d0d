#!/bin/bash
# The history reaches the disk a moment after it changes, so a forced end
# keeps what was copied. A burst of copies is written once, after the burst.
# With "ExitToDel" 1 nothing is written during the run. A write that another
# program blocks leaves the previous file whole and is made at the next change.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/history_file_steps.sh"

NO_TITLE=SystemInfo/HideTitle=dword:1

# --- a forced end keeps what was copied ------------------------------------
start_quillorn "$NO_TITLE"
qd copy 'Editor' 'older copy' >/dev/null
qd copy 'Editor' 'copied before the end' >/dev/null
sleep "$WRITE_WAIT"
force_end_quillorn
# Something else on the clipboard meanwhile, so the restart has to put it back.
qd copy 'Other' 'not from the history' --no-wait >/dev/null
start_quillorn --keep-work "$NO_TITLE"
expect_eq "$(qd list)" $'copied before the end\nolder copy' "the copies are back after the forced end"
expect_eq "$(qd clipboard)" 'copied before the end' "the newest copy is back on the clipboard"

# A delete is a change too.
qd select 0 >/dev/null
run_command 32774
sleep "$WRITE_WAIT"
force_end_quillorn
start_quillorn --keep-work "$NO_TITLE"
expect_eq "$(qd list)" 'older copy' "a deleted entry stays deleted after a forced end"
stop_quillorn

# --- a burst of copies is written once, after it ----------------------------
start_quillorn "$NO_TITLE"
# Every state of the history file, polled while the burst runs and after it.
( while :; do stat -c '%i %z %s' "$HISTORY_FILE" 2>/dev/null; sleep 0.05; done ) >"$WORK/states.txt" &
watcher=$!
qd copy-burst 20 'Editor' 'burst' >/dev/null || fail "the burst was not recorded"
sleep "$WRITE_WAIT"
kill "$watcher"; wait "$watcher" 2>/dev/null
expect_eq "$(sort -u "$WORK/states.txt" | wc -l)" 1 "the burst is written once"
expect_eq "$(history_entry_count)" 20 "the one write holds the whole burst"
stop_quillorn

# --- "ExitToDel" 1: nothing written during the run ---------------------------
start_quillorn "$NO_TITLE" 'SystemInfo/ExitToDel=dword:1'
qd copy 'Editor' 'not kept' >/dev/null
sleep "$WRITE_WAIT"
expect_eq "$(history_files)" "" "no history file appears while ExitToDel is 1"
stop_quillorn
expect_eq "$(history_files)" "" "and none after the exit"

# A file from an earlier run is left alone during the run and deleted at exit.
prepare_work
history_bytes 900461103 'earlier run' 'Editor' >"$HISTORY_FILE"
cp "$HISTORY_FILE" "$WORK/earlier.his"
start_quillorn --keep-work "$NO_TITLE" 'SystemInfo/ExitToDel=dword:1'
qd copy 'Editor' 'not kept' >/dev/null
sleep "$WRITE_WAIT"
expect_same_bytes "$HISTORY_FILE" "$WORK/earlier.his" "the earlier file is untouched during the run"
stop_quillorn
expect_eq "$(history_files)" "" "the exit deletes it"

# --- a blocked write keeps the previous file and comes at the next change ----
prepare_work
history_bytes 900461103 'second' 'Editor' 900461000 'first' 'Editor' >"$HISTORY_FILE"
cp "$HISTORY_FILE" "$WORK/previous.his"
start_quillorn --keep-work "$NO_TITLE"
hold_file "$HISTORY_FILE"
qd copy 'Editor' 'while held' >/dev/null
sleep "$WRITE_WAIT"
expect_same_bytes "$HISTORY_FILE" "$WORK/previous.his" "a blocked write leaves the previous file whole"
expect_eq "$(history_files)" "Quillorn.his " "and leaves nothing else behind"
release_file
qd copy 'Editor' 'after release' >/dev/null
sleep "$WRITE_WAIT"
expect_eq "$(history_entry_count)" 4 "the next change after the release writes the file"
force_end_quillorn
start_quillorn --keep-work "$NO_TITLE"
expect_eq "$(qd list)" $'after release\nwhile held\nsecond\nfirst' "the written file holds every entry"

finish

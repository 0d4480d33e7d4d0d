#!/bin/bash
# The history reaches the disk a moment after it changes, so a forced end
# keeps what was copied. A burst of copies is written once, after the burst.
# With "ExitToDel" 1 nothing is written during the run. A write that another
# program blocks leaves the previous file whole and is made at the next change.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/history_file_steps.sh"

NO_TITLE=SystemInfo/HideTitle=dword:1

# Every state of the history file, polled from now until end_watcher, which
# adds the state at its end.
start_watcher() {
  ( while :; do stat -c '%i %z %s' "$HISTORY_FILE" 2>/dev/null; sleep 0.05; done ) >"$WORK/states.txt" &
  watcher=$!
}
end_watcher() {
  kill "$watcher"; wait "$watcher" 2>/dev/null
  stat -c '%i %z %s' "$HISTORY_FILE" >>"$WORK/states.txt" 2>/dev/null
}

# --- a forced end keeps what was copied ------------------------------------
start_quillorn "$NO_TITLE"
qd copy 'Editor' 'older copy' >/dev/null
qd copy 'Editor' 'copied before the end' >/dev/null
expect_history_written 2 "the copies reach the disk a moment later"
force_end_quillorn
# Something else on the clipboard meanwhile, so the restart has to put it back.
qd copy 'Other' 'not from the history' --no-wait >/dev/null
start_quillorn --keep-work "$NO_TITLE"
expect_eq "$(qd list)" $'copied before the end\nolder copy' "the copies are back after the forced end"
expect_eq "$(qd clipboard)" 'copied before the end' "the newest copy is back on the clipboard"

# A delete is a change too.
qd select 0 >/dev/null
run_command 32774
expect_history_written 1 "the delete reaches the disk a moment later"
force_end_quillorn
start_quillorn --keep-work "$NO_TITLE"
expect_eq "$(qd list)" 'older copy' "a deleted entry stays deleted after a forced end"
stop_quillorn

# --- a burst of copies is written once, after it ----------------------------
start_quillorn "$NO_TITLE"
start_watcher
qd copy-burst 20 'Editor' 'burst' >/dev/null || fail "the burst was not recorded"
expect_history_written 20 "the burst reaches the disk after it"
# A marker after the write: the next write comes only after it, so the states
# seen so far are every state the burst left.
qd copy 'Editor' 'after the burst' >/dev/null
expect_history_written 21 "the change after the burst is written too"
end_watcher
expect_eq "$(sort -u "$WORK/states.txt" | wc -l)" 2 "the burst is written once (then the change after it)"
stop_quillorn

# --- "ExitToDel" 1: nothing written during the run ---------------------------
# A file from an earlier run is left alone during the run and deleted at exit.
# The switch is then turned off in the advanced dialog: the write that follows
# the next change is the first the file sees, and it holds every entry.
prepare_work
history_bytes 900461103 'earlier run' 'Editor' >"$HISTORY_FILE"
start_quillorn --keep-work "$NO_TITLE" 'SystemInfo/ExitToDel=dword:1'
start_watcher
qd copy 'Editor' 'not kept' >/dev/null
qd command 1002
qd dialog-wait '動作設定' || fail "the behaviour dialog did not open"
qd dialog-click '動作設定' 3
qd dialog-wait '高度な設定' || fail "the advanced dialog did not open"
qd dialog-click '高度な設定' 1029   # "ExitToDel" off
qd dialog-click '高度な設定' 1
qd dialog-gone '高度な設定' || fail "the advanced dialog did not close"
qd dialog-click '動作設定' 2
qd dialog-gone '動作設定' || fail "the behaviour dialog did not close"
qd copy 'Editor' 'kept once the switch is off' >/dev/null
expect_history_written 2 "with ExitToDel off again the next change is written"
end_watcher
expect_eq "$(sort -u "$WORK/states.txt" | wc -l)" 2 "while ExitToDel was 1 the earlier file stayed as it was"
stop_quillorn
expect_eq "$(history_entry_count)" 2 "the exit keeps the file once ExitToDel is off"

prepare_work
history_bytes 900461103 'earlier run' 'Editor' >"$HISTORY_FILE"
start_quillorn --keep-work "$NO_TITLE" 'SystemInfo/ExitToDel=dword:1'
qd copy 'Editor' 'not kept' >/dev/null
stop_quillorn
expect_eq "$(history_files)" "" "with ExitToDel 1 the exit deletes the earlier file and writes none"

# --- a blocked write keeps the previous file and comes at the next change ----
prepare_work
history_bytes 900461103 'second' 'Editor' 900461000 'first' 'Editor' >"$HISTORY_FILE"
cp "$HISTORY_FILE" "$WORK/previous.his"
start_quillorn --keep-work "$NO_TITLE"
hold_file "$HISTORY_FILE"
qd copy 'Editor' 'while held' >/dev/null
expect_write_tried "a copy while the file is held"
expect_same_bytes "$HISTORY_FILE" "$WORK/previous.his" "a blocked write leaves the previous file whole"
expect_eq "$(history_files)" "Quillorn.his " "and leaves nothing else behind"
release_file
qd copy 'Editor' 'after release' >/dev/null
expect_history_written 4 "the next change after the release writes the file"
force_end_quillorn
start_quillorn --keep-work "$NO_TITLE"
expect_eq "$(qd list)" $'after release\nwhile held\nsecond\nfirst' "the written file holds every entry"

finish

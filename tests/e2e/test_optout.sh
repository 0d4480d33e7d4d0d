#!/bin/bash
# A program can ask clipboard monitors to leave a copy alone (password
# managers do): such copies are never recorded and never reach the history
# file.
source "$(dirname "$0")/lib.sh"

start_quillorn
copy_then_marker 'Passwords' 'secret-one' --format ExcludeClipboardContentFromMonitorProcessing
copy_then_marker 'Passwords' 'secret-two' --format 'Clipboard Viewer Ignore'
copy_then_marker 'Passwords' 'secret-three' --format CanIncludeInClipboardHistory=0
expect_eq "$(qd list)" $'marker 3\nmarker 2\nmarker 1' "copies that opt out are not recorded"

qd copy 'Notes' 'allowed' --format CanIncludeInClipboardHistory=1 >/dev/null
expect_eq "$(qd list | head -1)" "allowed" "a copy that allows history is recorded"

stop_quillorn
grep -q secret "$HISTORY_FILE" && fail "an opted-out copy reached the history file"
expect_eq "$(history_entry_count)" "4" "the history file holds the four recorded entries"

finish

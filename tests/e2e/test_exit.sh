#!/bin/bash
# The exit entry of the system menu and a real logoff or shutdown
# (WM_ENDSESSION with wParam 1) end the program and save exactly like the
# exit tool button; a cancelled logoff (wParam 0) changes nothing.
source "$(dirname "$0")/lib.sh"

# The settings and the history as the exit command leaves them.
expect_saved() { # how
  expect_eq "$(reg_value SystemInfo TIRClick),$(reg_value UserPalette No15)" "2,16777215" "$1: all settings are saved"
  expect_eq "$(reg_value SystemInfo HNumber)" "7" "$1: a stored setting is written back"
  expect_eq "$(history_entry_count)" "1" "$1: the history file holds the entry"
}

start_quillorn 'SystemInfo/HNumber=dword:7'
qd copy 'Editor' 'kept' >/dev/null
qd syscommand 256
wait_quillorn_exit
expect_saved "system menu exit"

start_quillorn 'SystemInfo/HNumber=dword:7'
qd copy 'Editor' 'kept' >/dev/null
expect_history_written 1 "the history file follows the copy a moment later"
cp "$HISTORY_FILE" "$WORK/before-logoff.his"
qd send 0x16 0 0 >/dev/null   # WM_ENDSESSION, sent: the logoff was cancelled
# Answered: the program has handled it and is still there.
qd send 0 0 0 >/dev/null || fail "a cancelled logoff ended the program"
expect_eq "$(registry_dump)" "SystemInfo/HNumber=dword:7" "a cancelled logoff saves no settings"
expect_same_bytes "$HISTORY_FILE" "$WORK/before-logoff.his" "a cancelled logoff leaves the history file alone"
qd send 0x16 1 0 >/dev/null   # WM_ENDSESSION: the logoff takes place
wait_quillorn_exit
expect_saved "logoff"

finish

#!/bin/bash
# Direct paste: the chosen entry goes to the top and onto the clipboard, and
# lands in the edit control of the program that was in front before the
# user came to the main window. Without close the main window stays in front
# (and is not left always on top); with close it is hidden.
source "$(dirname "$0")/lib.sh"

# The other program comes to the front and is remembered; then the user
# turns to the main window.
paste_into_other_program() { # command
  start_other_program 'Target editor'
  qd focus-main || fail "the main window did not come to the front"
  qd select 2
  run_command "$1"
}

start_quillorn
qd copy 'Editor' 'first' >/dev/null
qd copy 'Editor' '二番目' >/dev/null
qd copy 'Editor' $'three\tthree' >/dev/null

# --- paste (32778)
paste_into_other_program 32778
expect_eq "$(qd list)" $'first\nthree    three\n二番目' "the pasted entry moves to the top"
expect_eq "$(qd clipboard)" "first" "the clipboard holds the pasted text"
expect_eq "$(qd visible)" "1" "paste leaves the main window visible"
expect_eventually "main" "paste brings the main window back to the front" qd front
expect_eq "$(qd topmost)" "0" "paste does not leave the main window always on top"
expect_eq "$(other_program_text)" "first" "the text lands in the other program"

# --- paste and close (32780)
paste_into_other_program 32780
expect_eq "$(qd list | head -1)" "二番目" "the pasted entry moves to the top"
qd wait-hidden || fail "paste and close hides the main window"
expect_eq "$(other_program_text)" "二番目" "the text lands in the other program"
expect_eq "$(qd list | wc -l)" "3" "pasting records no entry"

# --- nothing chosen: the clipboard's text is not typed into the other program
start_other_program 'Target editor' 4000
tray_click 0x201   # tray left click: the hidden window comes back
qd wait-shown || fail "the tray click did not show the window"
settle
qd focus-main || fail "the main window did not come to the front"
qd select -1
run_command 32778
run_command 32780
expect_eq "$(other_program_text)" "" "with no entry chosen nothing is pasted"
expect_eq "$(qd visible)" "1" "paste and close with no entry chosen leaves the window open"

finish

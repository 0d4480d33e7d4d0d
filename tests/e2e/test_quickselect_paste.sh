#!/bin/bash
# With "QCopyPaste" 1 the QuickSelect popup pastes what it copied into the
# program that was in front: phrases, history entries and files' contents. A
# file that cannot be copied is reported and nothing is pasted, and when the
# main window itself was in front the text is copied but never pasted there.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/quickselect_steps.sh"

prepare_work
printf 'Best regards,\r\nYamada' >"$WORK/sig.txt"
: >"$WORK/empty.txt"
write_quickselect_file '@c' '-' 'Greeting [Thank you for your mail.]' "@f Signature [$(win sig.txt)]" \
  "@f Missing [$(win missing.txt)]" "@f Empty [$(win empty.txt)]"
# Root menu: 1 history submenu, 2 phrase, 3-5 files (the separator is skipped).
start_quillorn --keep-work "${QS_HOTKEY_PRESETS[@]}" SystemInfo/QShowType=dword:3 SystemInfo/QCopyPaste=dword:1
qd copy 'Editor' 'older entry' >/dev/null

# --- files that cannot be copied paste nothing; then a phrase is pasted
in_front 'Target A'
for entry in 4 5; do
  choose_root_item "$entry"
  qd dismiss-box "$ERROR_TITLE" 3000 >/dev/null || fail "file entry $entry showed no message"
  expect_eventually "Target A" "the other program is in front again after the message" qd front
  # The program notes the window in front every 200 ms; until then it still
  # holds the message box, gone now, and a hotkey would find no target.
  note_front
done
open_popup_by_hotkey
walk_popup down down enter
expect_eq "$(other_program_text)" "Thank you for your mail." \
  "only the phrase is pasted: the files that could not be copied paste nothing"
expect_eq "$(qd clipboard)" "Thank you for your mail." "the phrase is on the clipboard"

# --- a history entry (and the paste is seen as a V typed)
in_front 'Target B'
v_typed >/dev/null
open_popup_by_hotkey
walk_popup down right down enter
expect_eq "$(other_program_text)" "older entry" "the chosen history entry is pasted"
expect_eq "$(v_typed)" "1" "the paste types Ctrl+V"

# --- a file's contents
in_front 'Target C'
open_popup_by_hotkey
walk_popup down down down enter
expect_eq "$(other_program_text)" 'Best regards,\r\nYamada' "the file's contents are pasted"

# --- the main window in front: copied, but no Ctrl+V is typed into it
qd focus-main
note_front
v_typed >/dev/null
open_popup_by_hotkey
walk_popup down down enter
expect_eventually "Thank you for your mail." "the phrase is copied with the main window in front" qd clipboard
settle   # the choice has been handled to its end: a Ctrl+V would have been typed by now
expect_eq "$(v_typed)" "0" "no Ctrl+V is typed when the main window was in front"
expect_eq "$(qd front)" "main" "the main window stays in front"

finish

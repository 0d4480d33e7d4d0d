#!/bin/bash
# Where the QuickSelect popup opens: its top-left corner follows "QShowType"
# (the focus window's centre, the caret, the mouse cursor, the work area's
# centre), a tray click set to action 1 always opens it at the cursor and
# leaves "QShowType" as it was, and closing it with Esc changes nothing.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/quickselect_steps.sh"

ROOT_ITEMS=7
phrase_file() {
  write_quickselect_file '@c' '-' 'Greeting [Thank you]' '> Stamps' '@d Today [!Y4/!M2/!D2]' '<' \
    'Bye [See you]' '-' '@e'
}

# start_with SHOW_TYPE [presets...]: the program, then another program in front of it.
start_with() {
  end_other_program
  stop_quillorn
  prepare_work
  phrase_file
  local type=$1
  shift
  start_quillorn --keep-work "${QS_HOTKEY_PRESETS[@]}" "SystemInfo/QShowType=dword:$type" "$@"
  in_front 'Editor'
}

# --- 3: the work area's centre; Esc changes nothing
start_with 3 SystemInfo/TILClick=dword:1
qd copy 'Browser' 'kept' >/dev/null
end_other_program
in_front 'Editor'
open_popup_by_hotkey
expect_eq "$(popup_corner)" "$(centred_corner "$(qd work-area)" $ROOT_ITEMS)" \
  "QShowType 3: 100 px left of the work area's centre, half the items' height above it"
walk_popup esc
expect_eq "$(qd clipboard)" "kept" "Esc leaves the clipboard alone"
expect_eq "$(qd list)" "kept" "Esc leaves the history alone"
expect_eventually "Editor" "after the popup the other program is in front again" qd front

# --- a tray click set to action 1 opens it at the cursor even with QShowType 3
move_cursor 300 200
tray_click 0x201
qd wait-menu 3000 || fail "a tray click set to action 1 did not open the popup"
expect_eq "$(popup_corner)" "300 200" "a tray click opens the popup at the mouse cursor"
walk_popup esc

# --- 9: any other value behaves as 3
start_with 9
open_popup_by_hotkey
expect_eq "$(popup_corner)" "$(centred_corner "$(qd work-area)" $ROOT_ITEMS)" "QShowType 9 opens as 3 does"
walk_popup esc

# --- 0: centred on the focus window of the program in front; the tray still
# opens at the cursor, and QShowType stays 0
start_with 0 SystemInfo/TILClick=dword:1
focus=$(qd focus-rect)
open_popup_by_hotkey
expect_eq "$(popup_corner)" "$(centred_corner "$focus" $ROOT_ITEMS)" \
  "QShowType 0: centred on the other program's edit control"
walk_popup esc
move_cursor 640 90
tray_click 0x201
qd wait-menu 3000 || fail "a tray click set to action 1 did not open the popup"
expect_eq "$(popup_corner)" "640 90" "a tray click opens the popup at the cursor with QShowType 0"
walk_popup esc
stop_quillorn
expect_eq "$(reg_value SystemInfo QShowType)" "0" "the tray click leaves QShowType at 0"

# --- 1: at the caret; where there is no caret, centred on the focus window
start_with 1 Window/Left=dword:300 Window/Top=dword:250 Window/Right=dword:620 Window/Bottom=dword:600
caret=$(qd caret)
open_popup_by_hotkey
expect_eq "$(popup_corner)" "$caret" "QShowType 1: the top-left corner is at the caret"
walk_popup esc
qd focus-main
note_front
list=$(qd focus-rect)
open_popup_by_hotkey
expect_eq "$(popup_corner)" "$(centred_corner "$list" $ROOT_ITEMS)" \
  "QShowType 1 without a caret: centred on the focus window (the history list)"
walk_popup esc

# --- 2: at the mouse cursor
start_with 2
move_cursor 150 420
open_popup_by_hotkey
expect_eq "$(popup_corner)" "150 420" "QShowType 2: the top-left corner is at the mouse cursor"
walk_popup esc

finish

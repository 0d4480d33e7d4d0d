#!/bin/bash
# The main hotkey shows and hides the main window; the hotkeys are held while
# the program runs and given back at exit; one taken by another program at
# start-up is dropped. Tray clicks run the actions "TILClick"/"TIRClick"
# name, and the tray menu's exit item ends the program like the tool button.
source "$(dirname "$0")/lib.sh"

CTRL_ALT_1=('HotKey/Main_Mod=dword:5' 'HotKey/Main_An=dword:27')    # Ctrl + Alt, key index 27
CTRL_ALT_2=('HotKey/Quick_Mod=dword:5' 'HotKey/Quick_An=dword:28')

# --- the main hotkey
start_quillorn "${CTRL_ALT_1[@]}" "${CTRL_ALT_2[@]}" 'SystemInfo/QShowType=dword:3'
expect_eq "$(qd hotkey-taken ctrl+alt+1)" "taken" "Ctrl+Alt+1 is registered"
expect_eq "$(qd hotkey-taken ctrl+alt+2)" "taken" "Ctrl+Alt+2 is registered"
qd focus-main
qd key ctrl+alt+1
qd wait-hidden || fail "the hotkey hides the window that is in front"
qd key ctrl+alt+1
qd wait-shown || fail "the hotkey shows the hidden window"
expect_eventually "main" "the shown window comes to the front" qd front
start_other_program 'Other program'
qd key ctrl+alt+1
expect_eventually "main" "the hotkey brings a visible window from behind to the front" qd front
expect_eq "$(qd visible)" "1" "... without hiding it"
end_other_program
# The QuickSelect popup is not there yet: its hotkey must just do no harm.
qd key ctrl+alt+2
expect_eq "$(qd visible)" "1" "the QuickSelect hotkey leaves the main window as it was"
stop_quillorn
expect_eq "$(registry_dump | grep HotKey/ | tr '\n' ' ')" \
          "HotKey/Main_An=dword:27 HotKey/Main_Mod=dword:5 HotKey/Quick_An=dword:28 HotKey/Quick_Mod=dword:5 " \
          "the hotkeys are saved at exit"
expect_eq "$(reg_value SystemInfo QShowType)" "3" "the QuickSelect hotkey leaves QShowType alone"
expect_eq "$(qd hotkey-taken ctrl+alt+1)" "free" "the hotkey is given back at exit"

# --- a hotkey another program holds at start-up is dropped for good
prepare_work
wine "$QDRIVER" hold-hotkey ctrl+alt+1 15000 </dev/null >"$WORK/holder.txt" 2>/dev/null &
holder=$!
poll grep -q held "$WORK/holder.txt" || fail "the other program could not hold the hotkey"
start_quillorn --keep-work "${CTRL_ALT_1[@]}"
stop_quillorn
kill "$holder"; wait "$holder" 2>/dev/null
expect_eq "$(reg_value HotKey Main_Mod)" "0" "a hotkey taken at start-up is not saved again"

# --- tray clicks with the default actions: left shows, right opens the menu
start_quillorn
qd post 0x10 0 0
qd wait-hidden || fail "the close box did not hide the window"
tray_click 0x202   # button up
qd post "$TRAY_NOTICE" $((TRAY_ICON_ID - 1)) 0x201   # another icon
tray_click 0x205
settle
expect_eq "$(qd visible)" "0" "other tray messages do nothing"
tray_click 0x201
qd wait-shown || fail "a left click on the tray icon shows the window"
tray_click 0x204
qd wait-menu || fail "a right click on the tray icon opens the tray menu"
qd key esc
qd copy 'Editor' 'saved by the tray menu' >/dev/null
tray_click 0x204
qd menu-choose 'Quillorn の終了(&X)' || fail "the tray menu did not open or close"
wait_quillorn_exit
registry_key_exists || fail "the tray menu's exit saves the settings"
expect_eq "$(history_entry_count)" "1" "the tray menu's exit writes the history file"

# --- swapped actions: left opens the menu, right shows the window
start_quillorn 'SystemInfo/TILClick=dword:2' 'SystemInfo/TIRClick=dword:0'
qd post 0x10 0 0
qd wait-hidden || fail "the close box did not hide the window"
tray_click 0x201
qd wait-menu || fail "TILClick 2: a left click opens the tray menu"
qd key esc
expect_eq "$(qd visible)" "0" "the tray menu alone does not show the window"
tray_click 0x204
qd wait-shown || fail "TIRClick 0: a right click shows the window"
stop_quillorn

# --- QuickSelect by left click: QShowType is only borrowed
start_quillorn 'SystemInfo/TILClick=dword:1' 'SystemInfo/QShowType=dword:3'
tray_click 0x201
stop_quillorn
expect_eq "$(reg_value SystemInfo QShowType)" "3" "QShowType is unchanged after the tray's QuickSelect"

finish

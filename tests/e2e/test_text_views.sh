#!/bin/bash
# The text preview and the info view. In the preview Ctrl+A and Ctrl+C copy
# the text, which the history records once like any other copy; Ctrl+Insert
# copies too, and Ctrl+V pastes the selection into the program that was in
# front. The context menu greys what needs a selection while there is none.
# The info view opens the same menu by its corner from the keyboard, and its
# list-view item switches the view like the tool button.
source "$(dirname "$0")/lib.sh"

EM_GETSEL=0xB0
EM_SETSEL=0xB1
PREVIEWED=$'二行目の本文\r\nsecond line'
PREVIEWED_SHOWN='二行目の本文\r\nsecond line'   # as the driver prints it

# A selection inside the preview, and what it is, in characters.
select_in_preview() { qd control-send 1019 $EM_SETSEL "$1" "$2" >/dev/null; }
preview_selection() { # "start end"
  local packed
  packed=$(qd control-send 1019 $EM_GETSEL 0 0)
  echo "$(( packed & 0xFFFF )) $(( packed >> 16 ))"
}

# Opens the preview's context menu with a right click and chooses an item.
# An enabled item closes the menu; a greyed one may leave it open.
preview_menu() { # item [greyed]
  qd mouse rclick 1019 30 10
  qd wait-menu || { fail "the preview's context menu did not open"; return; }
  qd menu-choose "$1" || [ -n "${2:-}" ] ||
    fail "the menu stayed open after choosing '$1' (in front: $(qd front), focus: $(qd focus-id))"
}

# A greyed item does nothing when chosen; its menu may stay open.
close_open_menu() { qd wait-menu 300 && qd key esc; }

start_quillorn
qd copy 'Editor' 'oldest entry' >/dev/null
qd copy 'メモ帳' "$PREVIEWED" >/dev/null
qd copy 'Editor' 'newest entry' >/dev/null
qd focus-main
qd select 1
qd key enter
expect_eventually "1" "Enter shows the text preview" qd visible 1019
expect_eq "$(qd focus-id)" "1019" "the preview has the keyboard"

# --- copying from the preview
qd key ctrl+a
qd key ctrl+c
expect_eventually "$PREVIEWED_SHOWN" "Ctrl+A, Ctrl+C put the whole text on the clipboard" qd clipboard
expect_eventually "4" "the copy is recorded as one new entry" bash -c "$(declare -f qd); qd list | wc -l"
expect_eq "$(qd list | head -1)" "二行目の本文(改)second line" "the copy is the newest entry"
expect_eq "$(qd visible 1019)" "1" "copying keeps the preview"

select_in_preview 0 3   # 二行目
qd key ctrl+45          # Ctrl+Insert
expect_eventually "二行目" "Ctrl+Insert copies the selected part" qd clipboard

# --- the context menu without a selection
select_in_preview 0 0
preview_menu 'コピー、閉じる(&D)\tCtrl+D' greyed
close_open_menu
settle
expect_eq "$(qd visible)" "1" "copy and close is greyed without a selection"
expect_eq "$(qd clipboard)" "二行目" "greyed copy and close copies nothing"
preview_menu 'すべて選択(&A)\tCtrl+A'
expect_eq "$(preview_selection)" "0 $(printf '%s' "$PREVIEWED" | LC_ALL=C.UTF-8 wc -m)" "select all stays available without a selection"

# --- and with one
select_in_preview 4 6   # 本文
preview_menu 'コピー、閉じる(&D)\tCtrl+D'
qd wait-hidden || fail "copy and close hides the window"
expect_eventually "本文" "copy and close copies the selection" qd clipboard
tray_click 0x201
qd wait-shown || fail "the tray click did not show the window"
expect_eq "$(qd visible 1019)" "1" "the preview is still shown after hiding"
expect_eq "$(qd focus-id)" "1019" "the shown window gives the keyboard to the preview"

# --- paste into the program that was in front
start_other_program 'Target editor'
qd focus-main || fail "the main window did not come to the front"
select_in_preview 0 3
qd key ctrl+v
expect_eq "$(other_program_text)" "二行目" "Ctrl+V in the preview pastes the selection into the other program"
expect_eventually "main" "the main window comes back to the front" qd front

preview_menu 'リストビュー(&L)\tEnter'
expect_eventually "0" "the menu's list view item goes back to the list" qd visible 1019
expect_eq "$(qd focus-id)" "1000" "the list has the keyboard again"

# --- the info view: the keyboard opens the menu by its corner
qd mouse click 1003
expect_eq "$(qd focus-id)" "1003" "a click gives the info view the keyboard"
qd key shift+f10
qd wait-menu || fail "Shift+F10 opened no menu in the info view"
info=($(qd rect 1003))
menu=($(qd menu-rects | head -1))
[ "${menu[0]:-0}" -ge $(( info[0] + 5 )) ] && [ "${menu[0]:-0}" -le $(( info[0] + 8 )) ] &&
  [ "${menu[1]:-0}" -ge $(( info[1] + 5 )) ] && [ "${menu[1]:-0}" -le $(( info[1] + 8 )) ] ||
  fail "the info view's menu opens by its top-left corner (menu at ${menu[*]:-none}, view at ${info[*]})"
qd menu-choose 'リストビュー(&L)\tEnter'
expect_eventually "1" "the info view's list view item switches the view like the tool button" qd visible 1019

finish

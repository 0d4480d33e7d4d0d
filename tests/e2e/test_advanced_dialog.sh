#!/bin/bash
# The advanced dialog, opened from the behaviour dialog: three pages on tabs
# that show the settings, a QuickSelect count outside 2..32 refused both when
# its page is left and on OK, Cancel that changes nothing, and OK that writes
# every switch, seen at once in what the program does and in the registry
# after exit. The pages answer the keyboard as part of the dialog.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/dialog_steps.sh"

DIALOG='高度な設定'
BEHAVIOUR='動作設定'
RANGE_2_32='数値の範囲は 2 ～ 32 までです。'
press() { qd dialog-click "$DIALOG" "$1"; }
checked() { local id out=; for id in "$@"; do out+=$(qd dialog-check "$DIALOG" "$id"); done; echo "$out"; }
tab_now() { qd dialog-current-tab "$DIALOG"; }

open_advanced() {
  open_dialog 1002 "$BEHAVIOUR"
  qd dialog-click "$BEHAVIOUR" 3
  qd dialog-wait "$DIALOG" || fail "the behaviour dialog's button opens the advanced dialog"
}

# Ends the advanced dialog with BUTTON (1 OK, 2 Cancel), then cancels the
# behaviour dialog: what the advanced dialog applied stays.
close_advanced() { # button
  press "$1"
  qd dialog-gone "$DIALOG" || fail "the advanced dialog did not close with button $1"
  qd dialog-click "$BEHAVIOUR" 2
  qd dialog-gone "$BEHAVIOUR" || fail "the behaviour dialog did not close"
}

start_quillorn 'SystemInfo/QNumber=dword:40' 'SystemInfo/TIRClick=dword:2'

# --- the pages show the settings; the first is current
open_advanced
expect_eq "$(tab_now)" "0" "the first page is current"
dialog_screenshot advanced-general "$DIALOG" >/dev/null
expect_eq "$(checked 1033 1029 1028 1032 1035 1037 1030)" "0000000" "the general switches are off"
qd dialog-tab "$DIALOG" 1
expect_eq "$(tab_now)" "1" "a click on the second tab shows the QuickSelect page"
dialog_screenshot advanced-quickselect "$DIALOG" >/dev/null
expect_eq "$(qd dialog-text "$DIALOG" 1016)" "32" "a stored count of 40 is brought into 2..32"
expect_eq "$(qd dialog-items "$DIALOG" 1064 | tr '\n' '|')" \
          "ウィンドウの中央|キャレット位置|マウスカーソル位置|スクリーンの中央|" "the popup places"
qd dialog-tab "$DIALOG" 2
dialog_screenshot advanced-other "$DIALOG" >/dev/null
expect_eq "$(qd dialog-items "$DIALOG" 1033 | tr '\n' '|')" "メインウィンドウ|クイックセレクト|メニュー|" \
          "the tray click actions"
expect_eq "$(qd dialog-selected "$DIALOG" 1033) $(qd dialog-selected "$DIALOG" 1035)" "0 2" \
          "left click shows the window, right click the menu"
expect_eq "$(qd dialog-enabled "$DIALOG" 1036)" "0" "the tip colour waits for tips to be on"

# --- a count outside 2..32 keeps the user on its page, and keeps the dialog open
qd dialog-tab "$DIALOG" 1
for count in 33 1; do
  qd dialog-type "$DIALOG" 1016 "$count"
  qd dialog-tab "$DIALOG" 2
  expect_eq "$(error_text "$DIALOG")" "$RANGE_2_32" "leaving the page with $count is refused"
  expect_eq "$(tab_now)" "1" "the QuickSelect page stays current with $count"
  expect_eventually 1016 "the count has the focus after $count" focus_in "$DIALOG"
done
qd dialog-type "$DIALOG" 1016 33
press 1
expect_eq "$(error_text "$DIALOG")" "$RANGE_2_32" "OK with 33 on the page is refused"
qd dialog-wait "$DIALOG" 1000 || fail "the refused OK keeps the dialog open"
expect_eventually 1016 "the count has the focus after OK" focus_in "$DIALOG"

# --- Cancel after changing every page changes nothing
qd dialog-type "$DIALOG" 1016 12
qd dialog-click "$DIALOG" 1038
qd dialog-tab "$DIALOG" 2
qd dialog-click "$DIALOG" 1034
qd dialog-tab "$DIALOG" 0
qd dialog-click "$DIALOG" 1028
close_advanced 2
expect_eq "$(qd topmost)" "0" "Cancel leaves the window as it was"
open_advanced
expect_eq "$(checked 1028)" "0" "after Cancel the dialog shows the old settings"

# --- the keyboard reaches the page: a mnemonic, Tab, Ctrl+Tab
qd dialog-front "$DIALOG"
qd key alt+p
expect_eq "$(checked 1028)" "1" "Alt+P ticks 'ウィンドウを常に手前に表示(&P)' on the page"
qd key tab
expect_eventually 1032 "Tab goes on to the next switch of the page" focus_in "$DIALOG"
qd key ctrl+tab
expect_eq "$(tab_now)" "1" "Ctrl+Tab shows the next page"

# --- OK writes every page
qd dialog-tab "$DIALOG" 0
for id in 1033 1029 1032 1035 1037 1030; do qd dialog-click "$DIALOG" $id; done
qd dialog-tab "$DIALOG" 1
qd dialog-type "$DIALOG" 1016 12
qd dialog-choose "$DIALOG" 1064 2
qd dialog-click "$DIALOG" 1038
qd dialog-tab "$DIALOG" 2
qd dialog-click "$DIALOG" 1034
qd dialog-click "$DIALOG" 1036
qd dialog-click "$DIALOG" 1034
expect_eq "$(qd dialog-enabled "$DIALOG" 1036) $(checked 1036)" "0 1" "tips off disable the tip colour but keep its tick"
qd dialog-choose "$DIALOG" 1033 2
qd dialog-choose "$DIALOG" 1035 0
close_advanced 1
expect_eq "$(qd topmost)" "1" "always on top takes effect at OK"

# ... and the program follows them at once.
qd copy 'Editor' 'same' >/dev/null
copy_then_marker 'Editor' 'same'
expect_eq "$(qd list | tr '\n' '|')" "marker 1|same|" "a repeat of the newest entry is left out"
qd select 1
qd copy 'Editor' 'another' >/dev/null
expect_eq "$(qd sel)" "1" "the selection keeps its row when an entry comes in"
qd post 0x10 0 0
qd wait-hidden || fail "the close box hides the window"
tray_click 0x201
qd wait-menu || fail "a left click on the tray icon now opens the menu"
qd key esc
tray_click 0x204
qd wait-shown || fail "a right click on the tray icon now shows the window"

stop_quillorn
expect_eq "$(registry_dump | grep -E '^SystemInfo/' | grep -vE '/(HistoryType|HNumber|HQuantity)=' | tr '\n' ' ')" \
          "SystemInfo/CustomTipColor=dword:1 SystemInfo/ExitToDel=dword:1 SystemInfo/Foreground=dword:1 SystemInfo/HideTitle=dword:1 SystemInfo/HideToolInfo=dword:1 SystemInfo/LeavOut=dword:1 SystemInfo/NoAdjustCur=dword:1 SystemInfo/QCopyPaste=dword:1 SystemInfo/QNumber=dword:12 SystemInfo/QShowType=dword:2 SystemInfo/RunToHide=dword:1 SystemInfo/TILClick=dword:2 SystemInfo/TIRClick=dword:0 SystemInfo/Tip=dword:0 " \
          "every switch is saved at exit"
[ -e "$HISTORY_FILE" ] && fail "with 'ExitToDel' on, no history file is left at exit"

finish

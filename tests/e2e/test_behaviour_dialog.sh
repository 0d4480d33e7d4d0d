#!/bin/bash
# The behaviour dialog: it shows the history limit and both hotkeys, refuses
# a limit outside 1..9999 and a hotkey that is taken, asks before a new limit
# cuts the history, switches a hotkey off with "(使用しない)", and its Cancel
# brings back the hotkeys it opened with, which still work.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/dialog_steps.sh"
source "$(dirname "$0")/quickselect_steps.sh"

DIALOG='動作設定'
press() { qd dialog-click "$DIALOG" "$1"; }
shown() { qd dialog-text "$DIALOG" "$1"; }

# Ctrl+Shift, not Ctrl+Alt: releasing Alt would close the popup under Wine.
prepare_work
write_quickselect_file 'Phrase [A phrase]'
start_quillorn --keep-work 'HotKey/Main_Mod=dword:4' 'HotKey/Main_An=dword:27' \
                           'HotKey/Quick_Mod=dword:4' 'HotKey/Quick_An=dword:28' 'SystemInfo/QShowType=dword:3'
for text in first second third; do qd copy 'Editor' "$text" >/dev/null; done

# --- what it shows: the stored limit of the stored kind, the hotkeys
open_dialog 1002 "$DIALOG"
dialog_screenshot behaviour "$DIALOG" >/dev/null
expect_eq "$(qd dialog-check "$DIALOG" 1016) $(qd dialog-check "$DIALOG" 1018)" "1 0" "the history is limited by count"
expect_eq "$(shown 1024) $(shown 1019) $(shown 1025)" "保存する個数(&V)： 100 個" "the count limit is shown"
expect_eq "$(for id in 1009 1007 1011 1010; do qd dialog-selected "$DIALOG" $id; done | tr '\n' ' ')" "4 27 4 28 " \
          "both hotkeys are shown: Ctrl + Shift + 1 and + 2"
expect_eq "$(qd dialog-items "$DIALOG" 1011 | tr '\n' '|')" \
          "(使用しない)|Ctrl|Shift|Alt|Ctrl + Shift|Ctrl + Alt|Shift + Alt|Ctrl + Shift + Alt|" "the modifier list"
expect_eq "$(qd dialog-items "$DIALOG" 1007 | tr -d '\n')" "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789" "the key list"
# Each kind shows its own stored limit; what was typed is dropped.
qd dialog-type "$DIALOG" 1019 55
press 1018
expect_eq "$(shown 1024) $(shown 1019) $(shown 1025)" "保存する容量(&V)： 50 KB" "the size limit is shown"
press 1016
expect_eq "$(shown 1019)" "100" "back on count, the stored count is shown again"

# --- a limit outside 1..9999, or none, is refused and the edit gets the focus
for value in 0 10000 ''; do
  qd dialog-type "$DIALOG" 1019 "$value"
  press 1
  expect_eq "$(error_text "$DIALOG")" "数値の範囲は 1 ～ 9999 までです。" "the limit '$value' is refused"
  expect_eventually 1019 "after refusing '$value' the focus is on the limit" focus_in "$DIALOG"
done

# --- a limit below the history's size asks first: Cancel keeps everything
qd dialog-type "$DIALOG" 1019 2
press 1
expect_eq "$(qd answer-box "$CONFIRM_BOX" cancel)" \
          '「履歴の設定」での変更を有効にすると、いくつかのテキストデータを\n削除することになります。よろしいですか？' \
          "the confirmation before the history is cut"
qd dialog-wait "$DIALOG" 1000 || fail "declining keeps the dialog open"
expect_eq "$(qd list | tr '\n' ' ')" "third second first " "declining keeps every entry"
# ... and OK cuts it at once.
press 1
qd answer-box "$CONFIRM_BOX" ok >/dev/null || fail "no confirmation the second time"
qd dialog-gone "$DIALOG" || fail "agreeing closes the dialog"
expect_eq "$(qd list | tr '\n' ' ')" "third second " "the oldest entry is cut at once"

# --- a limit the history fits under is taken without a question
open_dialog 1002 "$DIALOG"
press 1018
qd dialog-type "$DIALOG" 1019 1
press 1
qd dialog-gone "$DIALOG" 2000 || fail "a size limit the history fits under asks nothing"
expect_eq "$(qd list | wc -l)" "2" "and cuts nothing"

# --- the same keys for both hotkeys: refused at the QuickSelect modifier
open_dialog 1002 "$DIALOG"
qd dialog-choose "$DIALOG" 1010 27
press 1
expect_eq "$(error_text "$DIALOG")" "このホットキーはすでに使われています。" "a hotkey taken by the other is refused"
expect_eventually 1011 "the focus is on the QuickSelect modifier" focus_in "$DIALOG"
expect_eq "$(qd hotkey-taken ctrl+shift+1) $(qd hotkey-taken ctrl+shift+2)" "taken free" \
          "the main hotkey is registered, the QuickSelect one is off"
# Cancel brings both back as they were, and both work.
press 2
qd dialog-gone "$DIALOG" || fail "Cancel closes the dialog"
expect_eq "$(qd hotkey-taken ctrl+shift+1) $(qd hotkey-taken ctrl+shift+2)" "taken taken" "Cancel registers both again"
qd focus-main
qd key ctrl+shift+1
qd wait-hidden || fail "after Cancel the main hotkey hides the window"
qd key ctrl+shift+1
qd wait-shown || fail "after Cancel the main hotkey shows the window"
qd key ctrl+shift+2
qd wait-menu 3000 || fail "after Cancel the QuickSelect hotkey opens the popup"
walk_popup esc

# --- "(使用しない)" switches a hotkey off and its key controls with it
qd syscommand 16
qd dialog-wait "$DIALOG" || fail "the system menu opens the behaviour dialog"
qd dialog-choose "$DIALOG" 1009 0
expect_eq "$(qd dialog-enabled "$DIALOG" 1013 1012 1007)" "000" \
          "'(使用しない)' disables the main hotkey's key controls"
qd dialog-choose "$DIALOG" 1009 1
expect_eq "$(qd dialog-enabled "$DIALOG" 1007)" "1" "a modifier enables them again"
qd dialog-choose "$DIALOG" 1009 0
press 1
qd dialog-gone "$DIALOG" || fail "OK closes the dialog"
expect_eq "$(qd hotkey-taken ctrl+shift+1)" "free" "the main hotkey is off"

stop_quillorn
expect_eq "$(registry_dump | grep -E 'HotKey/|SystemInfo/(HistoryType|HNumber|HQuantity)=' | tr '\n' ' ')" \
          "HotKey/Main_An=dword:27 HotKey/Main_Mod=dword:0 HotKey/Quick_An=dword:28 HotKey/Quick_Mod=dword:4 SystemInfo/HNumber=dword:2 SystemInfo/HQuantity=dword:1 SystemInfo/HistoryType=dword:1 " \
          "the settings saved at exit"

# --- a size limit set by hand beyond 9999 KB, over a history of more than
# 9999 KB: an untouched OK keeps the limit and asks nothing
prepare_work
big=$((9999 * 1024 + 1))
{ le32 0xF1F2F3F4 1 0 0x1F2F3F4F "$(date +%s)" "$big" 6
  head -c "$big" /dev/zero | tr '\0' x; printf 'Editor'; le32 0x1234FFFF "$big"; } >"$HISTORY_FILE"
start_quillorn --keep-work 'SystemInfo/HistoryType=dword:1' 'SystemInfo/HQuantity=dword:20000'
open_dialog 1002 "$DIALOG"
press 1
if ! qd dialog-gone "$DIALOG"; then
  fail "an untouched OK offers to cut a history that fits its limit"
  qd answer-box "$CONFIRM_BOX" cancel >/dev/null; press 2
fi
stop_quillorn
expect_eq "$(reg_value SystemInfo HQuantity) $(history_entry_count)" "20000 1" "the hand-set limit and the history stay"

finish

#!/bin/bash
# Closing the main window only hides it: the tray icon stays and copies are
# still recorded. A hidden start ("RunToHide") shows nothing and takes the
# foreground from nobody until the tray shows the window. Japanese entries
# are drawn as text (screenshot for the eye).
source "$(dirname "$0")/lib.sh"

# --- closing hides; recording goes on
start_quillorn
expect_eq "$(qd tray-icon)" "1" "the tray icon is there"
qd post 0x10 0 0   # WM_CLOSE, as the close box sends
qd wait-hidden || fail "the close box did not hide the window"
qd copy 'Editor' 'copied while hidden' >/dev/null
expect_eq "$(qd list)" "copied while hidden" "a copy while hidden is recorded"
expect_eq "$(qd tray-icon)" "1" "the tray icon stays while hidden"

tray_click 0x201   # tray left click: show
qd wait-shown || fail "the tray click did not show the window"
qd focus-main
qd key esc
qd wait-hidden || fail "Esc did not hide the window"
tray_click 0x201
qd wait-shown || fail "the tray click did not show the window again"
qd send 0x112 0xF060 0 >/dev/null   # SC_CLOSE from the system menu
qd wait-hidden || fail "Close in the system menu did not hide the window"
kill -0 "$QUILLORN_PID" || fail "closing ended the program"
stop_quillorn

# --- hidden start, with another program in front
start_other_program 'Other program'
start_quillorn 'SystemInfo/RunToHide=dword:1'
settle   # the dialog loop's own showing comes after the start-up
expect_eq "$(qd visible)" "0" "a hidden start shows no window"
expect_eq "$(qd tray-icon)" "1" "a hidden start shows the tray icon"
expect_eq "$(qd front)" "Other program" "a hidden start leaves the foreground where it was"
qd copy 'Editor' 'recorded' >/dev/null
expect_eq "$(qd list)" "recorded" "a hidden start records copies"
tray_click 0x201
qd wait-shown || fail "the tray action did not show the hidden-started window"
expect_eventually "main" "the shown window comes to the front" qd front
qd post 0x10 0 0
qd wait-hidden || fail "after the first show, closing hides as usual"
tray_click 0x201
qd wait-shown || fail "after the first show, the tray shows the window as usual"
end_other_program
stop_quillorn

# --- Japanese entries: listed as copied, and drawn (screenshot for the eye)
start_quillorn
qd copy 'メモ帳 - 議事録.txt' '本日の会議は午後三時から第二会議室で行います。' >/dev/null ||
  fail "the first Japanese copy was not recorded"
qd copy 'ブラウザ' '東京都千代田区丸の内１－１－１' >/dev/null ||
  fail "the full-width address copy was not recorded"
qd copy 'エディタ' $'お世話になっております。\r\n株式会社ヘンブルック' >/dev/null ||
  fail "the two-line Japanese copy was not recorded"
qd copy 'Terminal' $'mixed 半角ｶﾅ and 全角ＡＢＣ\tタブ' >/dev/null ||
  fail "the half-width kana copy was not recorded"
expect_eq "$(qd list)" $'mixed 半角ｶﾅ and 全角ＡＢＣ    タブ\nお世話になっております。(改)株式会社ヘンブルック\n東京都千代田区丸の内１－１－１\n本日の会議は午後三時から第二会議室で行います。' \
  "the Japanese entries are listed newest first, unchanged by the round trip"
qd focus-main
echo "screenshot: $(screenshot japanese-entries)"

finish

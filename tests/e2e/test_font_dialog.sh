#!/bin/bash
# The font dialog: it offers the installed faces (the Japanese Windows faces
# among them), four styles and the sizes, shows the stored font without
# changing it on an untouched OK, refuses a face, style or size that is none,
# and gives the font it commits to the history list and the text preview.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/dialog_steps.sh"

DIALOG='フォント設定'
press() { qd dialog-click "$DIALOG" "$1"; }
shown() { qd dialog-text "$DIALOG" "$1"; }
# The place of an entry in a box's list.
entry_index() { qd dialog-items "$DIALOG" "$1" | grep -nFx "$2" | cut -d: -f1 | awk '{ print $1 - 1 }'; }
font_values() { registry_dump | grep '^Font/' | tr '\n' ' '; }

# --- a stored font that no size or style of the dialog names exactly
start_quillorn 'Font/Height=dword:14' 'Font/Weight=dword:600' 'Font/FaceName=ＭＳ Ｐゴシック'
qd copy 'Editor' 'フォントの見本 Sample' >/dev/null
tray_click 0x204
qd menu-choose 'フォント設定(&F)...' || fail "the tray menu did not open"
qd dialog-wait "$DIALOG" || fail "the tray menu opens the font dialog"
faces=$(qd dialog-items "$DIALOG" 1136)
for face in 'ＭＳ ゴシック' 'ＭＳ Ｐゴシック' 'MS UI Gothic'; do
  grep -qFx "$face" <<<"$faces" || fail "the face list offers '$face'"
done
expect_eq "$(shown 1136)|$(shown 1137)|$(shown 1138)" "ＭＳ Ｐゴシック|Regular|11" "the stored font is shown"
expect_eq "$(qd dialog-items "$DIALOG" 1137 | tr '\n' '|')" "Regular|Bold|Italic|Bold Italic|" "the styles"
expect_eq "$(qd dialog-items "$DIALOG" 1138 | tr '\n' ' ')" "8 9 10 11 12 14 16 18 20 22 24 26 28 36 48 " "the sizes"
expect_eq "$(shown 1092)" "Quillorn Version 2.01 Special" "the sample text"
press 1
qd dialog-gone "$DIALOG" || fail "an untouched OK closes the dialog"
stop_quillorn
expect_eq "$(font_values)" "Font/FaceName=ＭＳ Ｐゴシック Font/Height=dword:14 Font/Italic=dword:0 Font/Weight=dword:600 " \
          "an untouched OK keeps the stored font"

# --- the three refusals, then a font committed to the list and the preview
start_quillorn 'Font/Height=dword:3'
qd copy 'Editor' 'フォントの見本 Sample' >/dev/null
qd syscommand 32
qd dialog-wait "$DIALOG" || fail "the system menu opens the font dialog"
dialog_screenshot font "$DIALOG" >/dev/null
expect_eq "$(shown 1138)" "2" "a stored size of 2 shows as 2"
expect_eq "$(shown 1136)" "ＭＳ ゴシック" "the default face is in the list and shown"

qd dialog-type "$DIALOG" 1136 'No Such Face'
press 1
expect_eq "$(error_text "$DIALOG")" "正しいフォント名を選択してください。" "a face that is not in the list is refused"
expect_eventually 1136 "the face has the focus" focus_in "$DIALOG"
qd dialog-choose "$DIALOG" 1136 "$(entry_index 1136 'ＭＳ Ｐゴシック')"

qd dialog-type "$DIALOG" 1137 'Heavy'
press 1
expect_eq "$(error_text "$DIALOG")" "正しいスタイルを選択してください。" "a style that is none of the four is refused"
expect_eventually 1137 "the style has the focus" focus_in "$DIALOG"
qd dialog-choose "$DIALOG" 1137 1

for size in 0 abc ''; do
  qd dialog-type "$DIALOG" 1138 "$size"
  press 1
  expect_eq "$(error_text "$DIALOG")" "正しいサイズを選択してください。" "the size '$size' is refused"
  expect_eventually 1138 "the size has the focus after '$size'" focus_in "$DIALOG"
done
qd dialog-choose "$DIALOG" 1138 "$(entry_index 1138 20)"
dialog_screenshot font-chosen "$DIALOG" >/dev/null
press 1
qd dialog-gone "$DIALOG" || fail "OK with a valid font closes the dialog"
# The freed font's handle may come back for the new one: the list shows the
# change in its line height.
expect_eq "$(qd line-height)" "27" "the list draws with the committed font: 20 points are 27 pixels"
expect_eq "$(qd font 1019)" "$(qd font 1000)" "the text preview draws with the list's font"

# A size that is not in the list is taken as typed; the click on OK brings it
# into the sample first.
open_dialog 1005 "$DIALOG"
qd dialog-type "$DIALOG" 1138 13
press 1
qd dialog-gone "$DIALOG" || fail "a size of 13 is accepted"
expect_eq "$(qd line-height)" "17" "13 points are 17 pixels"
screenshot list-font >/dev/null

# Cancel changes nothing.
font_now=$(qd font 1000)
open_dialog 1005 "$DIALOG"
qd dialog-choose "$DIALOG" 1138 0
qd dialog-choose "$DIALOG" 1137 0
press 2
qd dialog-gone "$DIALOG" || fail "Cancel closes the dialog"
expect_eq "$(qd font 1000) $(qd line-height)" "$font_now 17" "Cancel leaves the list's font"
stop_quillorn
expect_eq "$(font_values)" "Font/FaceName=ＭＳ Ｐゴシック Font/Height=dword:17 Font/Italic=dword:0 Font/Weight=dword:700 " \
          "the committed font is saved at exit"

# --- Enter pressed in the size box just typed into commits the size it holds
start_quillorn 'Font/Height=dword:15'
qd copy 'Editor' 'フォントの見本 Sample' >/dev/null
open_dialog 1005 "$DIALOG"
qd dialog-front "$DIALOG" || fail "the font dialog comes to the front"
qd key tab; qd key tab
expect_eventually 1138 "two tabs lead from the face to the size box" focus_in "$DIALOG"
qd key 1; qd key 4
expect_eventually 14 "the typed size shows in its box" shown 1138
qd key enter
qd dialog-gone "$DIALOG" || fail "Enter in the size box closes the dialog"
expect_eq "$(qd line-height)" "19" "Enter commits the typed size: 14 points are 19 pixels"
# A style typed in lower case names the style whatever its case.
open_dialog 1005 "$DIALOG"
qd dialog-type "$DIALOG" 1137 'bold'
press 1
qd dialog-gone "$DIALOG" || fail "OK takes the style 'bold'"
stop_quillorn
expect_eq "$(reg_value Font Height) $(reg_value Font Weight)" "19 700" "the typed size and the style 'bold' are saved"

finish

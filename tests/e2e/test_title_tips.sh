#!/bin/bash
# The history list's own look and manners. A line too long for the list shows
# whole in a title tip laid over it while the pointer rests on it or while it
# is selected, and only when "Tip" is 1; the tip goes when the pointer leaves
# the list or the list changes. The list, the text preview, the info view and
# the tip show the colours of the settings, as pixels on the screen. A right
# click below the last line opens no menu.
source "$(dirname "$0")/lib.sh"

LONG='本日の会議は午後三時から第二会議室で行います。資料は各自で印刷してお持ちください (long line)'
LB_GETITEMHEIGHT=0x1A1

# Client y of the middle of line N (the list is scrolled to the top).
line_y() {
  local height
  height=$(qd control-send 1000 $LB_GETITEMHEIGHT 0 0)
  echo $(( $1 * height + height / 2 ))
}

# The tip after moving the pointer onto a point of the list. The move is made
# again on each ask: a late motion of an earlier move may land after it.
tip_at() { qd mouse move 1000 "$1" "$2" >/dev/null; qd tip; }
tip_over_line() { tip_at 20 "$(line_y "$1")"; }
tip_off_list() { qd mouse move 1003 >/dev/null; qd tip; }
tip_shown_over_line() { [ "$(tip_over_line "$1")" != none ] && echo shown || echo none; }

copy_entries() {
  qd copy 'Editor' 'A short one' >/dev/null
  qd copy 'Editor' "$LONG" >/dev/null
  qd copy 'Editor' 'short' >/dev/null
}

# --- tips on, the tip's own colours
start_quillorn 'SystemInfo/Tip=dword:1'
copy_entries
qd focus-main

item=($(qd item-rect 1))
expect_eventually "shown" "the long line shows a tip" tip_shown_over_line 1
tip=($(qd tip))
expect_eq "${tip[0]} ${tip[1]} ${tip[3]}" "${item[0]} ${item[1]} ${item[3]}" "the tip lies exactly over its line"
[ "${tip[2]:-0}" -gt "${item[2]}" ] || fail "the tip (${tip[2]:-none} wide) is wider than its line (${item[2]})"
[ "$(qd pixel-count tip FFFFFF)" -gt $(( tip[2] * tip[3] / 2 )) ] || fail "an unselected line's tip is white"
echo "screenshot: $(screenshot title-tip)"

expect_eventually "none" "a line that fits shows no tip" tip_over_line 0
expect_eventually "none" "moving below the last line hides the tip" tip_at 20 "$(line_y 6)"
tip_over_line 1 >/dev/null
expect_eventually "none" "leaving the list hides the tip" tip_off_list

# The selection brings the tip too, and a new entry takes it away.
qd select 1
expect_eq "$(qd tip | cut -d' ' -f1-2)" "${item[0]} ${item[1]}" "selecting the long line shows its tip"
# White is then only the text, no longer the background.
[ "$(qd pixel-count tip FFFFFF)" -lt $(( tip[2] * tip[3] / 3 )) ] || fail "the selected line's tip is drawn in the selection's colours"
qd copy 'Editor' 'newest' >/dev/null
expect_eq "$(qd tip)" "none" "a new entry at the top hides the tip"

# Right clicks: on a line the list's menu opens there; below the last line
# nothing happens and the selection stays.
qd select 2
qd mouse rclick 1000 20 "$(line_y 9)"
qd wait-menu 700 && { fail "a right click below the last line opened a menu"; qd key esc; }
expect_eq "$(qd sel)" "2" "a right click below the last line keeps the selection"
qd mouse rclick 1000 20 "$(line_y 0)"
qd wait-menu || fail "a right click on a line opened no menu"
qd menu-choose '削除(&D)\tDelete'
expect_eq "$(qd list | head -1)" "short" "the menu of a right-clicked line acts on that line"
qd key apps
qd wait-menu || fail "the menu key opened no menu"
qd key esc
stop_quillorn

# Later starts keep the work folder and its screenshots, not the history.
restart_quillorn() { rm -f "$HISTORY_FILE"; start_quillorn --keep-work "$@"; }

# --- tips off
restart_quillorn 'SystemInfo/Tip=dword:0'
copy_entries
qd focus-main
tip_over_line 1 >/dev/null
settle
expect_eq "$(tip_over_line 1)" "none" "with \"Tip\" 0 a long line shows no tip"
stop_quillorn

# --- custom colours, borrowed by the tip
TEXT_BGR=0x0000C0   # RGB C00000
BACK_BGR=0xE0FFFF   # RGB FFFFE0
restart_quillorn 'SystemInfo/Tip=dword:1' 'SystemInfo/CustomTipColor=dword:1' \
  'Customize/HDef=dword:0' "Customize/HTextColor=dword:$((TEXT_BGR))" "Customize/HBackColor=dword:$((BACK_BGR))" \
  'Customize/IDef=dword:0' "Customize/ITextColor=dword:$((0x008000))" "Customize/IBackColor=dword:$((0xFFE0E0))"
copy_entries
qd focus-main
[ "$(qd pixel-count 1000 FFFFE0)" -gt 1000 ] || fail "the list's background has the set colour"
[ "$(qd pixel-count 1000 C00000)" -gt 20 ] || fail "the list's unselected lines have the set text colour"
[ "$(qd pixel-count 1003 E0E0FF)" -gt 500 ] || fail "the info view's background has its own set colour"
[ "$(qd pixel-count 1003 008000)" -gt 20 ] || fail "the info view's text has its own set colour"
expect_eventually "shown" "the long line shows a tip" tip_shown_over_line 1
[ "$(qd pixel-count tip FFFFE0)" -gt 100 ] || fail "the tip borrows the list's background"
[ "$(qd pixel-count tip C00000)" -gt 20 ] || fail "the tip borrows the list's text colour"
echo "screenshot: $(screenshot custom-colours)"
qd select 1
qd key enter
expect_eventually "1" "Enter shows the text preview" qd visible 1019
[ "$(qd pixel-count 1019 FFFFE0)" -gt 1000 ] || fail "the text preview has the list's background"
[ "$(qd pixel-count 1019 C00000)" -gt 20 ] || fail "the text preview has the list's text colour"

finish

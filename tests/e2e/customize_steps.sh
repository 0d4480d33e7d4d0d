# Steps shared by the customize dialog and colour picker tests (sourced after
# lib.sh and dialog_steps.sh).

CUSTOMIZE='カスタマイズ'
SM_CXDLGFRAME=7 SM_CYDLGFRAME=8
# shellcheck disable=SC1091
source "$(dirname "${BASH_SOURCE[0]}")/caption_steps.sh"

SHOTS=$E2E_WORK/$TEST_NAME-shots
rm -rf "$SHOTS"; mkdir -p "$SHOTS"

# A stored colour (decimal, as reg_value prints it) as RRGGBB.
rrggbb() { printf '%02X%02X%02X\n' $(( $1 & 255 )) $(( $1 >> 8 & 255 )) $(( $1 >> 16 & 255 )); }

# Fixed cells of the picker's grid and the colours they give.
CELL_RED=3 RED=FF0000
CELL_GREEN=11 GREEN=00FF00
CELL_BLUE=18 BLUE=0000FF
CELL_ORANGE=20 ORANGE=0088FF
CELL_YELLOW=27 YELLOW=FFE000
CELL_PURPLE=34 PURPLE=C400C4
CELL_GREY=42 GREY=5F5F5F
CELL_MAROON=1 MAROON=7C0000
CELL_DARKGREEN=9 DARKGREEN=007C00

# Opens the dialog by the command a tool button, the tray menu and the system
# menu give, and moves it to the right of the main window, so that the main
# window's views and title bar show beside it.
open_customize() {
  qd command 1007
  qd dialog-wait "$CUSTOMIZE" || { fail "command 1007 did not open '$CUSTOMIZE'"; return 1; }
  move_beside_main
}
move_beside_main() {
  local mx my mw mh
  read -r mx my mw mh <<<"$(qd rect)"
  qd dialog-move "$CUSTOMIZE" $((mx + mw + 10)) "$my"
}

close_customize() { # 1 OK, 2 Cancel
  qd dialog-click "$CUSTOMIZE" "$1"
  qd dialog-gone "$CUSTOMIZE" || fail "the customize dialog did not close with button $1"
}

tab() { qd dialog-tab "$CUSTOMIZE" "$1"; }
press() { qd dialog-click "$CUSTOMIZE" "$1"; }
checked() { qd dialog-check "$CUSTOMIZE" "$1"; }
# "1" or "0" for each control id, in order.
enabled() { qd dialog-enabled "$CUSTOMIZE" "$@"; }

# The colour a colour button shows: the middle of its swatch.
swatch() {
  local x y w h
  read -r x y w h <<<"$(qd control-rect "$CUSTOMIZE" "$1")"
  qd pixel $((x + w / 2)) $((y + h / 2))
}

# Opens the picker under colour button ID and picks a cell.
pick() { # id cell
  press "$1"
  expect_eventually yes "the picker opens under button $1" picker_open
  qd picker-cell click "$2"
  expect_eventually no "a picked cell closes the picker" picker_open
}
picker_open() { [ "$(qd picker-rect)" != none ] && echo yes || echo no; }

# How many pixels of a colour a control of the main window shows.
shown() { qd pixel-count "$1" "$2"; }

# The fill at the top and the bottom of a column where no text or button lies.
bar_fill() { echo "$(bar_pixel "$FREE" 0) $(bar_pixel "$FREE" $((HEIGHT - 1)))"; }

# Where text of a colour shows in the title bar: left, centre, right or none.
text_place() {
  local span first last width=$((TEXT_R - TEXT_L))
  span=$(qd span "$TEXT_L" "$BAR_T" "$TEXT_R" "$BAR_B" "$1")
  [ "$span" != none ] || { echo none; return; }
  read -r first last <<<"$span"
  first=$((first - TEXT_L)) last=$((last - TEXT_L))
  if (( first <= 3 && last < width / 2 )); then echo left
  elif (( last >= width - 4 && first > width / 2 )); then echo right
  elif (( (first + last) / 2 - width / 2 <= 3 && width / 2 - (first + last) / 2 <= 3 )); then echo centre
  else echo "at $first-$last of $width"; fi
}

# The customize dialog's own title bar, just inside its frame, left of its
# close button, where only the fill shows.
dialog_bar_pixel() {
  local x y w h fx fy cell
  read -r x y w h <<<"$(qd dialog-rect "$CUSTOMIZE")"
  read -r fx fy cell <<<"$(qd metric $SM_CXDLGFRAME $SM_CYDLGFRAME $SM_CXSIZE)"
  qd pixel $((x + w - fx - cell - 8)) $((y + fy + 1))
}

# Starts the program again on the settings the last run saved.
restart_keeping_settings() {
  (cd "$WORK" && exec wine "$WORK/Quillorn.exe" </dev/null >"$WORK/quillorn.log" 2>&1) &
  QUILLORN_PID=$!
  qd wait-main 15000 >/dev/null || fail "the main window did not appear after the restart"
}

# A stored colour as RRGGBB.
stored_colour() { rrggbb "$(reg_value Customize "$1")"; }

# A picture of the dialog and what stands right of it and below (the picker
# opens there), kept for the eye.
keep_dialog_shot() { # name [extra-height]
  local png x y w h
  png=$(screenshot "$1") || { fail "no screenshot $1"; return; }
  read -r x y w h <<<"$(qd dialog-rect "$CUSTOMIZE")"
  convert "$png" -crop "$((w + 160))x$((h + ${2:-0}))+${x}+${y}" +repage "$SHOTS/$1.png" && rm -f "$png"
}

# Where the main window's painted title bar lies on the screen, for the tests
# that read its pixels (sourced after lib.sh).
SM_CYCAPTION=4 SM_CYBORDER=6 SM_CXSIZE=30 SM_CXFRAME=32 SM_CYFRAME=33
COLOR_ACTIVECAPTION=2 COLOR_INACTIVECAPTION=3

# Colours are written RRGGBB as qd prints them; the registry takes 0xBBGGRR.
colorref() { echo "dword:0x${1:4:2}${1:2:2}${1:0:2}"; }

# The title bar inside the frame (right and bottom exclusive), its text area
# between the icon and the close button, and a column where only the fill shows.
measure_bar() {
  local x y w h fx fy cell caption border
  read -r x y w h <<<"$(qd rect)"
  read -r fx fy cell caption border <<<"$(qd metric $SM_CXFRAME $SM_CYFRAME $SM_CXSIZE $SM_CYCAPTION $SM_CYBORDER)"
  BAR_L=$((x + fx)); BAR_T=$((y + fy)); BAR_R=$((x + w - fx))
  BAR_B=$((BAR_T + caption - border))
  WIDTH=$((BAR_R - BAR_L)) HEIGHT=$((BAR_B - BAR_T))
  TEXT_L=$((BAR_L + cell + 2)) TEXT_R=$((BAR_R - cell - 4)) FREE=$((WIDTH - cell - 2))
}
bar_pixel() { qd pixel $((BAR_L + $1)) $((BAR_T + $2)); }

# The main window in front, or behind another program's window that stands
# clear of it; once the program has repainted, the title bar is measured again.
be_active() { end_other_program; qd focus-main || fail "the main window did not come to the front"; settle; measure_bar; }
be_inactive() { start_other_program 'Other program'; settle; measure_bar; }

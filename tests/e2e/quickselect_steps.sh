# Steps shared by the QuickSelect popup tests (sourced after lib.sh).

# The QuickSelect hotkey of these tests: Ctrl+Shift+1 (modifier index 4, key
# index 27). Not Ctrl+Alt: under Wine, releasing Alt closes a menu that is
# already open in the thread that has the keyboard.
QS_HOTKEY=ctrl+shift+1
QS_HOTKEY_PRESETS=(HotKey/Quick_Mod=dword:4 HotKey/Quick_An=dword:27)
QUICKSELECT_FILE=

# The title of the program's error message boxes.
ERROR_TITLE='Quillorn - エラー'

# A file of the work folder by the path the program sees.
win() { winepath -w "$WORK/$1"; }

# Another program in front, noted by the program as the window to paste into.
in_front() { start_other_program "$@"; }

# Writes the phrase file beside the program: UTF-8 lines in, Shift-JIS with
# CR LF line ends out, as a user's editor would save it.
write_quickselect_file() {
  QUICKSELECT_FILE=$WORK/QuickSelect.txt
  printf '%s\r\n' "$@" | iconv -f UTF-8 -t CP932 >"$QUICKSELECT_FILE"
}

# Opens the popup with the hotkey; fails the test when no menu opens.
open_popup_by_hotkey() {
  qd key "$QS_HOTKEY" >/dev/null
  qd wait-menu 3000 || fail "${1:-the hotkey} did not open the popup"
}

# Presses keys in the open popup, as a user walks it (down, right, enter,
# esc...), and waits until every menu has closed.
walk_popup() {
  local key
  for key in "$@"; do qd key "$key" >/dev/null; done
  poll eval '! qd menu-rects >/dev/null' || fail "the popup stayed open after: $*"
}

# Opens the popup with the hotkey and chooses root item N: N times Down, Enter.
choose_root_item() { # n
  local keys=() _
  for _ in $(seq "$1"); do keys+=(down); done
  open_popup_by_hotkey
  walk_popup "${keys[@]}" enter
}

# The top-left corner of the first opened popup menu, as "x y".
popup_corner() { qd menu-rects | head -1 | awk '{ print $1, $2 }'; }

# Where a menu of COUNT root items centred on the rectangle "x y w h" opens.
centred_corner() { # "x y w h" count
  local x y w h
  read -r x y w h <<<"$1"
  echo "$(( x + w / 2 - 100 )) $(( y + h / 2 - ( ($2 + 1) / 2 ) * 16 ))"
}

# Whether V went down, typed by anyone, since the last time this was asked:
# the tests type no V themselves, so a 1 is the program's Ctrl+V.
v_typed() { qd key-pressed v; }

# Puts the mouse cursor at X Y for the program too: under Wine a motion event
# of the previous warp can still arrive and move it back, so it is set again
# once the program has handled what came before.
move_cursor() {
  qd cursor "$1" "$2"
  settle
  qd cursor "$1" "$2" || fail "the cursor did not stay at $1 $2"
}

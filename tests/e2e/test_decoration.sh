#!/bin/bash
# The painted title bar and the title screen. The main window's caption shows
# the stored fill (solid, horizontal gradient with its knee, vertical
# gradient, the system colour, or by default the system colour running to
# black) when active and inactive, with the title text in its colour and
# position. At start-up the title screen shows the user's name and closes by
# itself after about a second, at once on a click; "HideTitle" skips it. The
# version command shows one version box however often it is given.
# Screenshots of each fill and of the title screen are kept for the eye.
source "$(dirname "$0")/lib.sh"
# shellcheck disable=SC1091
source "$(dirname "$0")/caption_steps.sh"

SHOTS=$E2E_WORK/$TEST_NAME-shots
rm -rf "$SHOTS"; mkdir -p "$SHOTS"
keep_screenshot() { local png; png=$(screenshot "$1") && mv "$png" "$SHOTS/"; }

expect_within() { # actual expected tolerance what
  (( $(distance "$1" "$2") <= $3 )) || fail "$4"$'\n'"    expected: $2 (±$3)"$'\n'"    actual:   $1"
}
expect_text_at() { # colour left|centre|right what
  local span first last width=$((TEXT_R - TEXT_L))
  span=$(qd span "$TEXT_L" "$BAR_T" "$TEXT_R" "$BAR_B" "$1")
  [ "$span" != none ] || { fail "$3: no title text in $1"; return; }
  read -r first last <<<"$span"
  first=$((first - TEXT_L)) last=$((last - TEXT_L))
  case $2 in
    left) expect_within "$first" 0 3 "$3: the text starts at the left"
          (( last < width / 2 )) || fail "$3: the text stays in the left half" ;;
    centre) expect_within $(( (first + last) / 2 )) $((width / 2)) 3 "$3: the text is centred" ;;
    right) expect_within "$last" $((width - 1)) 3 "$3: the text ends at the right"
           (( first > width / 2 )) || fail "$3: the text stays in the right half" ;;
  esac
}

# --- horizontal gradient (active) and vertical gradient (inactive); centred text
RED=FF0000 BLUE=0000FF TEAL=008080 LIME=C0FF40
start_quillorn 'SystemInfo/HideTitle=dword:1' \
  'Customize/GBA_Def=dword:0' 'Customize/GBA_Type=dword:1' "Customize/GBA_c1=$(colorref $RED)" "Customize/GBA_c2=$(colorref $BLUE)" \
  'Customize/GBP_Def=dword:0' 'Customize/GBP_Type=dword:0' "Customize/GBP_c1=$(colorref $TEAL)" "Customize/GBP_c2=$(colorref $LIME)" \
  'Customize/GBCap_Def=dword:0' 'Customize/GBCap_Style=dword:1'
be_active
keep_screenshot caption-horizontal-active
expect_eq "$(bar_pixel 0 0)" $RED "the horizontal gradient starts in the left colour"
# (127, 0, 128) at 30 % of the width: red falls fast to the knee, then slowly.
expect_near "$(bar_pixel $((WIDTH * 30 / 100 - 1)) 0)" 7F0080 12 "the gradient reaches the middle colour at the knee"
expect_near "$(bar_pixel $((WIDTH * 65 / 100)) 0)" 4000BF 12 "past the knee the gradient runs on evenly"
expect_near "$(bar_pixel $((WIDTH - 1)) 0)" $BLUE 8 "the horizontal gradient ends in the right colour"
expect_eq "$(bar_pixel 0 $((HEIGHT - 1)))" $RED "the horizontal gradient fills the bar's full height"
expect_text_at FFFFFF centre "active, centred"
be_inactive
keep_screenshot caption-vertical-inactive
expect_eq "$(bar_pixel $FREE 0)" $TEAL "the vertical gradient starts in the top colour"
expect_eq "$(bar_pixel 0 0)" $TEAL "the vertical gradient's rows run across the whole bar"
expect_near "$(bar_pixel $FREE $((HEIGHT - 1)))" $LIME 16 "the vertical gradient ends near the bottom colour"
expect_text_at FFFFFF centre "inactive, centred"
stop_quillorn

# --- solid (active) and the system colour (inactive); a stray position shows right
GREEN=006000 YELLOW=FFFF00
start_quillorn 'SystemInfo/HideTitle=dword:1' \
  'Customize/GBA_Def=dword:0' 'Customize/GBA_Type=dword:2' "Customize/GBA_c1=$(colorref $GREEN)" \
  'Customize/GBP_Def=dword:0' 'Customize/GBP_Type=dword:3' \
  'Customize/GBCap_Def=dword:0' "Customize/GBCap_Ac=$(colorref $YELLOW)" 'Customize/GBCap_Pc=dword:0xFFFFFFFF' \
  'Customize/GBCap_Style=dword:7'
be_active
keep_screenshot caption-solid-active
expect_eq "$(bar_pixel 0 0) $(bar_pixel $((WIDTH / 2)) 0) $(bar_pixel $FREE $((HEIGHT / 2)))" "$GREEN $GREEN $GREEN" \
  "the solid bar is one colour"
expect_text_at $YELLOW right "active text in its own colour, position 7 read as right"
be_inactive
keep_screenshot caption-system-inactive
system=$(qd syscolor $COLOR_INACTIVECAPTION)
expect_eq "$(bar_pixel 0 0) $(bar_pixel $FREE $((HEIGHT / 2)))" "$system $system" \
  "the inactive bar takes the system's inactive caption colour"
expect_text_at FFFFFF right "inactive text stays white when its stored colour is -1"
end_other_program
stop_quillorn

# --- the start-up title
# Started without waiting for the start-up to end (it waits for the title),
# with a watcher of the title screen (qd watch-title ARGS) started first.
launch_watched() { # "watcher args" [registry presets...]
  prepare_work
  preset_registry "${@:2}"
  # shellcheck disable=SC2086
  qd watch-title $1 >"$WORK/watch.txt" &
  watcher=$!
  (cd "$WORK" && exec wine "$WORK/Quillorn.exe" </dev/null >"$WORK/quillorn.log" 2>&1) &
  QUILLORN_PID=$!
}
# WATCHED: the milliseconds the watcher saw the title up, or "none"; TITLE_RECT: "x y w h".
end_watch() {
  wait "$watcher"
  local word ms
  read -r word ms TITLE_RECT <"$WORK/watch.txt"
  if [ "$word" = shown ]; then WATCHED=$ms; else WATCHED=none; fi
}

# The user's name in the favourite colour; it closes by itself. A tray click
# while the start-up waits for it is dropped: the hidden start stays hidden.
LIKE=00C000
launch_watched "20000 tray shot $(winepath -w "$E2E_WORK")\\title.bmp" 'SystemInfo/RunToHide=dword:1' \
  'Customize/UserName=山田 太郎' "Customize/LikeColor=$(colorref $LIKE)"
end_watch
[ "$WATCHED" != none ] && (( WATCHED >= 700 && WATCHED <= 4000 )) ||
  fail "the title screen closes by itself after about 1.1 s (it was up: $WATCHED ms)"
# The start-up ends as the title closes; hidden, its window only answers.
qd send 0 0 0 >/dev/null || fail "the start-up did not go on after the title"
settle
expect_eq "$(qd visible)" 0 "a tray click during the title is ignored"
shot=$SHOTS/title-screen.png
convert "$E2E_WORK/title.bmp" "$shot" && rm -f "$E2E_WORK/title.bmp"
read -r tx ty tw th <<<"$TITLE_RECT"
# Inside its 1-pixel border the window is the 235 x 135 picture; the name
# line is centred in (40,82)-(195,97) of it, one pixel up and left of its shadow.
expect_eq "$tw $th" "237 137" "the title window holds the picture exactly"
span=$(convert "$shot" -crop 155x15+$((tx + 1 + 40))+$((ty + 1 + 82)) +repage txt:- |
       awk -v c="#$LIKE" '$3 == c { split($1, p, ","); x = p[1] + 0; if (n++ == 0 || x < lo) lo = x; if (x > hi) hi = x }
                          END { if (n) print lo + 40, hi + 40 }')
read -r first last <<<"${span:-0 0}"
[ -n "$span" ] || fail "the name line is drawn in the favourite colour"
expect_within $(( (first + last) / 2 )) 117 4 "the name line is centred on the picture"
stop_quillorn

# A click closes it at once and the start-up goes on; then the default bars.
launch_watched "20000 click"
end_watch
[ "$WATCHED" != none ] && (( WATCHED < 800 )) || fail "a click closes the title screen at once (it was up: $WATCHED ms)"
qd wait-main 3000 >/dev/null || fail "the start-up did not go on after the click"
# (Inactive first: under Wine a window that was made active while its program
# was not in front keeps an inactive caption until it is activated again.)
be_inactive
keep_screenshot caption-default-inactive
expect_eq "$(bar_pixel $FREE 0)" "$(qd syscolor $COLOR_INACTIVECAPTION)" "the default inactive bar starts in the system's colour"
expect_near "$(bar_pixel $FREE $((HEIGHT - 1)))" 000000 $((256 / HEIGHT + 1)) "the default inactive bar ends near black"
be_active
keep_screenshot caption-default-active
expect_eq "$(bar_pixel $FREE 0)" "$(qd syscolor $COLOR_ACTIVECAPTION)" "the default bar starts in the system colour"
expect_near "$(bar_pixel $FREE $((HEIGHT - 1)))" 000000 $((256 / HEIGHT + 1)) "the default bar ends near black"
expect_text_at FFFFFF left "default text"

# The version box: one at a time, centred over the main window.
count_boxes() { qd title-screens | wc -l; }
qd focus-main
qd command 1001
expect_eventually 1 "the version command shows the version box" count_boxes
qd command 1001
qd syscommand 128
settle
expect_eq "$(count_boxes)" 1 "asking again while the box is up shows no second box"
keep_screenshot version-box
read -r bx by bw bh <<<"$(qd title-screens)"
read -r mx my mw mh <<<"$(qd rect)"
expect_within $((bx + bw / 2)) $((mx + mw / 2)) 1 "the version box is centred across the main window"
expect_within $((by + bh / 2)) $((my + mh / 2)) 1 "the version box is centred down the main window"
qd key esc
expect_eventually 0 "Esc closes the version box" count_boxes
qd syscommand 128
expect_eventually 1 "the system menu's version item shows the box" count_boxes
qd key enter
expect_eventually 0 "Enter closes the version box" count_boxes
run_command 1001 &   # sent: it returns once the box has closed
expect_eventually 1 "the version box shows again" count_boxes
qd click-at $((bx + bw / 2)) $((by + bh / 2)) right
wait $!
expect_eq "$(count_boxes)" 0 "a click closes the version box"
stop_quillorn

# "HideTitle" 1: no title screen at all.
launch_watched 6000 'SystemInfo/HideTitle=dword:1'
end_watch
expect_eq "$WATCHED" none "with HideTitle 1 no title screen is shown"
qd wait-main >/dev/null || fail "the start-up without a title did not end"

finish

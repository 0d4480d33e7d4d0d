#!/bin/bash
# The colour picker as the customize pages use it: it opens under the colour
# button that was clicked, moved inside the work area when the button is near
# the screen's edge. A cell pressed and released picks its colour for the
# button and for the main window's preview at once; a press on one cell
# released on another, or Escape, picks nothing and leaves it open; a click
# elsewhere closes it with nothing chosen, and so does the standard colour
# dialog when it is cancelled. A screenshot of the open picker is kept.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/dialog_steps.sh"
source "$(dirname "$0")/customize_steps.sh"

HISTORY_TEXT=202020 HISTORY_BACK=336699 INFO_TEXT=101010 INFO_BACK=99CC66
start_quillorn 'SystemInfo/HideTitle=dword:1' \
  'Customize/HDef=dword:0' "Customize/HTextColor=$(colorref $HISTORY_TEXT)" "Customize/HBackColor=$(colorref $HISTORY_BACK)" \
  'Customize/IDef=dword:0' "Customize/ITextColor=$(colorref $INFO_TEXT)" "Customize/IBackColor=$(colorref $INFO_BACK)"
qd copy 'Editor' 'a line for the list' >/dev/null
open_customize

# --- it opens under the button, at the button's bottom-left corner
read -r bx by bw bh <<<"$(qd control-rect "$CUSTOMIZE" 1021)"
press 1021
expect_eventually yes "a click on a colour button opens the picker" picker_open
read -r px py pw ph <<<"$(qd picker-rect)"
expect_eq "$px $py" "$bx $((by + bh))" "the picker's top-left corner is the button's bottom-left corner"
keep_dialog_shot picker-on-view-colours 220

# --- Escape, and a press released on another cell, pick nothing
qd key esc
expect_eq "$(picker_open)" yes "Escape leaves the picker open"
qd picker-cell down $CELL_RED
qd picker-cell up $CELL_BLUE
expect_eq "$(picker_open)" yes "a press on one cell released on another leaves the picker open"
expect_eq "$(swatch 1021)" $HISTORY_BACK "... and the button keeps its colour"
(( $(shown 1000 $HISTORY_BACK) > 0 )) || fail "... and the list keeps its background"

# --- a cell pressed and released picks its colour
qd picker-cell click $CELL_RED
expect_eventually no "a picked cell closes the picker" picker_open
expect_eq "$(swatch 1021)" $RED "the button shows the picked colour"
expect_eq "$(shown 1000 $HISTORY_BACK)" 0 "the list's old background is gone at once"
(( $(shown 1000 $RED) > 100 )) || fail "the list shows the picked background at once"

# --- a click elsewhere closes it with nothing chosen; it opens again afterwards
press 1020
expect_eventually yes "the picker opens under the text colour button" picker_open
read -r dx dy dw dh <<<"$(qd control-rect "$CUSTOMIZE" 1034)"
qd press-at $((dx + dw - 10)) $((dy + dh / 2))
expect_eventually no "a click on the dialog closes the picker" picker_open
expect_eq "$(swatch 1020) $(swatch 1021)" "$HISTORY_TEXT $RED" "a closed picker changes no button"
(( $(shown 1000 $RED) > 100 )) || fail "a closed picker leaves the preview as it was"
pick 1020 $CELL_GREY
expect_eq "$(swatch 1020)" $GREY "after a picker closed with nothing, the next opening picks again"

# --- the standard colour dialog, cancelled, changes nothing
press 1021
expect_eventually yes "the picker opens for the standard colour dialog" picker_open
qd picker-more
title=$(qd colour-dialog) || fail "'その他の色(&O)...' opens the standard colour dialog"
expect_eq "$(picker_open)" no "the picker is hidden while the standard dialog is up"
expect_eq "$(qd dialog-enabled "$CUSTOMIZE")" 0 "the customize dialog waits for the standard dialog"
qd answer-box "$title" cancel >/dev/null
qd dialog-gone "$title" || fail "the standard dialog did not close"
expect_eq "$(swatch 1021)" $RED "the cancelled standard dialog changes no button"
(( $(shown 1000 $RED) > 100 )) || fail "the cancelled standard dialog changes no preview"
expect_eq "$(qd dialog-enabled "$CUSTOMIZE")" 1 "the customize dialog takes input again"
pick 1021 $CELL_YELLOW
expect_eq "$(swatch 1021)" $YELLOW "after the standard dialog the picker picks again"

# --- near the screen's bottom-right corner it is moved inside the work area
read -r wx wy ww wh <<<"$(qd work-area)"
read -r x y w h <<<"$(qd dialog-rect "$CUSTOMIZE")"
qd dialog-move "$CUSTOMIZE" $((wx + ww - w)) $((wy + wh - h))
read -r bx by bw bh <<<"$(qd control-rect "$CUSTOMIZE" 1023)"
(( bx + pw > wx + ww && by + bh + ph > wy + wh )) ||
  fail "the info background button is not near enough to the corner for this check ($bx,$by)"
press 1023
expect_eventually yes "the picker opens under a button near the corner" picker_open
read -r px py pw ph <<<"$(qd picker-rect)"
(( px >= wx && py >= wy && px + pw <= wx + ww && py + ph <= wy + wh )) ||
  fail "the picker lies inside the work area ($px $py $pw $ph in $wx $wy $ww $wh)"
expect_eq "$((px + pw)) $((py + ph))" "$((wx + ww)) $((wy + wh))" "it moves only as far as the work area's edges"
keep_dialog_shot picker-at-the-corner
qd picker-cell click $CELL_BLUE
expect_eventually no "a picked cell closes the moved picker" picker_open
expect_eq "$(swatch 1023)" $BLUE "the moved picker picks its cells as well"
(( $(shown 1003 $BLUE) > 100 )) || fail "the info view shows the picked background at once"
expect_eq "$(shown 1003 $INFO_BACK)" 0 "the info view's old background is gone"

close_customize 2
finish

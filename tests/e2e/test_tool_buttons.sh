#!/bin/bash
# The flat tool buttons. The pointer resting on one puts its description into
# the info view, the next button's replaces it at once, and leaving gives the
# entry's facts back; with "HideToolInfo" 1 the facts stay. A click runs the
# button's command, a double click counts as two, a press dragged off the
# button and released there runs nothing, and the keyboard never moves to a
# button: it is in the list from the start.
source "$(dirname "$0")/lib.sh"

info_after_hover() { qd mouse move "$1" >/dev/null; qd text 1003; }

start_quillorn
qd copy 'Editor' 'an entry' >/dev/null
qd focus-main
expect_eq "$(qd focus-id)" "1000" "the list has the keyboard at start-up"
facts=$(qd text 1003)
expect_contains "$facts" "サイズ" "the info view shows the entry's facts"

expect_eventually "$(qd text 1002)" "resting on the behaviour button describes it" info_after_hover 1002
expect_contains "$(qd text 1003)" "【 動作設定 】" "the description is the button's own text"
expect_eventually "$(qd text 1005)" "moving straight to the font button describes that one" info_after_hover 1005
echo "screenshot: $(screenshot hot-button)"
expect_eventually "$facts" "leaving the buttons brings back the entry's facts" info_after_hover 1000

# --- clicks
qd mouse click 1006
expect_eventually "1" "a click on the view button shows the text preview" qd visible 1019
expect_eq "$(qd focus-id)" "1019" "the click leaves the keyboard in the view, not on the button"
qd mouse click 1006
expect_eventually "0" "a second click goes back to the list" qd visible 1019
expect_eq "$(qd focus-id)" "1000" "the list has the keyboard again"
qd mouse dblclick 1006
settle
expect_eq "$(qd visible 1019)" "0" "a double click switches twice"
qd mouse down 1006
qd mouse move 1000
qd mouse up 1000
settle
expect_eq "$(qd visible 1019)" "0" "a press released off the button runs nothing"
expect_eventually "$facts" "and leaves no description behind" qd text 1003
qd key tab
expect_eq "$(qd focus-id)" "1003" "Tab goes from the list to the info view"
qd key tab
expect_eq "$(qd focus-id)" "1000" "and back to the list, never to a tool button"
stop_quillorn

# --- descriptions switched off
rm -f "$HISTORY_FILE"
start_quillorn --keep-work 'SystemInfo/HideToolInfo=dword:1'
qd copy 'Editor' 'an entry' >/dev/null
qd focus-main
facts=$(qd text 1003)
info_after_hover 1002 >/dev/null
settle
expect_eq "$(info_after_hover 1002)" "$facts" "with \"HideToolInfo\" 1 the info view keeps the entry's facts"
qd mouse click 1006
expect_eventually "1" "the buttons still work without descriptions" qd visible 1019

finish

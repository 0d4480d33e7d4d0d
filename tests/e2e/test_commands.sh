#!/bin/bash
# Taking entries back: copying one moves it to the top and onto the clipboard
# without recording it again; deleting keeps the clipboard on the newest
# entry; the list's keys and context menu reach the same commands.
source "$(dirname "$0")/lib.sh"

start_quillorn
for text in first second third; do qd copy 'Editor' "$text" >/dev/null; done

# --- copy back (command 32773) on the third entry
qd select 2
run_command 32773
expect_eq "$(qd list)" $'first\nthird\nsecond' "the copied entry moves to the top"
expect_eq "$(qd sel)" "0" "the highlight follows it to the top"
expect_eq "$(qd clipboard)" "first" "the clipboard holds its text"
qd copy 'Browser' 'foreign' >/dev/null
expect_eq "$(qd list)" $'foreign\nfirst\nthird\nsecond' "no entry for the copy back; the next foreign copy is recorded"

# --- double-click on the third entry
qd dblclick 2
expect_eventually "third" "a double-click copies the entry" qd clipboard
expect_eq "$(qd list)" $'third\nforeign\nfirst\nsecond' "the double-clicked entry moves to the top, no new entry"

# --- delete (command 32774)
qd select 2
run_command 32774
expect_eq "$(qd list)" $'third\nforeign\nsecond' "the selected entry is deleted"
expect_eq "$(qd sel)" "2" "the highlight stays on its row"
expect_eq "$(qd clipboard)" "third" "deleting another entry leaves the clipboard alone"
qd select 0
run_command 32774
expect_eq "$(qd clipboard)" "foreign" "deleting the top entry puts the new newest on the clipboard"
qd copy 'Editor' 'marker' >/dev/null
expect_eq "$(qd list)" $'marker\nforeign\nsecond' "the text put back is not recorded"
qd select 2
run_command 32774
expect_eq "$(qd sel)" "1" "deleting the bottom entry highlights the new bottom one"

# --- keys and the context menu in the list
qd click 0   # the list gets the focus
expect_eq "$(qd sel)" "0" "a click highlights the entry"
qd key f
qd dialog-wait '履歴の検索' || fail "a letter typed in the list opens the search box"
expect_eq "$(qd sel)" "0" "a letter does not move the list's highlight (no jump to 'foreign')"
qd key esc
qd dialog-gone '履歴の検索' || fail "Esc closes the search box"
qd key down
qd key ctrl+c
expect_eventually "foreign" "Ctrl+C in the list copies the entry" qd clipboard
expect_eq "$(qd list)" $'foreign\nmarker' "Ctrl+C moves it to the top"
qd key delete
expect_eventually $'marker' "Delete in the list deletes the highlighted entry" qd list
qd key enter
expect_eventually "1" "Enter switches to the text preview" qd visible 1019
expect_eq "$(qd text 1019)" "marker" "the preview shows the entry's full text"
qd key enter
expect_eventually "0" "Enter in the preview switches back to the list" qd visible 1019

qd rclick 0
qd menu-choose '削除(&D)\tDelete' || fail "the list's context menu did not open or close"
expect_eventually "" "Delete in the context menu deletes the last entry" qd list
qd clipboard >/dev/null
expect_eq "$?" "2" "deleting the last entry empties the clipboard"

finish

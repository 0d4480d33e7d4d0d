#!/bin/bash
# The search box: typing in the history list opens it with what was typed,
# F3 opens it empty; every word must occur in an entry's text or source
# title, ASCII letters in either case and never inside a double-byte
# character; Enter copies the chosen match, Shift+Enter pastes it into the
# editor that was in front, Delete deletes it, Esc changes nothing; the
# matches follow copies, trimming and deletes while the box is open.
source "$(dirname "$0")/lib.sh"

BOX='履歴の検索'
SEARCH_TEXT=1100
MATCHES=1101
INFO=1102
COUNT=1103

box_lines() { qd dialog-lines "$BOX" "$MATCHES"; }
box_text() { qd dialog-text "$BOX" "$SEARCH_TEXT"; }
box_count() { qd dialog-text "$BOX" "$COUNT"; }
box_shown() { qd dialog-wait "$BOX" 0 && echo 1 || echo 0; }
# The search text set as a whole, as if pasted into the field.
search_for() { qd dialog-type "$BOX" "$SEARCH_TEXT" "$1"; }
# The main window in front with the list's focus on its first line.
main_in_front() {
  qd focus-main || fail "the main window did not come to the front"
  qd select 0
}
close_box() {
  qd key esc
  qd dialog-gone "$BOX" || fail "Esc did not close the search box"
}

start_quillorn 'SystemInfo/HNumber=dword:8'
qd copy 'Mail' 'apple pie recipe' >/dev/null
qd copy 'Editor' 'banana bread' >/dev/null
qd copy 'Shop list - Editor' 'cherry' >/dev/null
qd copy 'メール - 受信箱' '会議の議事録です' >/dev/null
# The second byte of each of these two characters is that of "a".
qd copy 'Editor' 'ヂＢ' >/dev/null
qd copy 'Editor' 'Apple cider' >/dev/null
ALL=$'Apple cider\nヂＢ\n会議の議事録です\ncherry\nbanana bread\napple pie recipe'
expect_eq "$(qd list)" "$ALL" "six entries to search"

# --- a letter typed in the list opens the box with it
main_in_front
qd key a
qd dialog-wait "$BOX" || fail "typing a letter in the list did not open the search box"
expect_eq "$(box_text)" "a" "the typed letter is in the search field"
expect_eq "$(box_lines)" $'Apple cider\nbanana bread\napple pie recipe' \
  "the matches are the entries holding an a in either case, newest first, not the two-byte ones"
expect_eq "$(box_count)" "3 件 / 6 件" "the count of matches out of all entries"
expect_contains "$(qd dialog-text "$BOX" "$INFO")" "アプリ\\t： Editor" "the info line describes the first match"
expect_eq "$(qd dialog-focus "$BOX")" "$SEARCH_TEXT" "the caret is in the search field"

# --- more words narrow; a word of the source title finds its entry
qd key space
qd key p
qd key i
expect_eventually "a pi" "typing goes on in the search field" box_text
expect_eq "$(box_lines)" "apple pie recipe" "two words narrow the matches"
search_for 'shop'
expect_eq "$(box_lines)" "cherry" "a word found only in the source title finds the entry"
search_for 'M'
expect_eq "$(box_lines)" "apple pie recipe" \
  "an ASCII letter does not match the second byte of 信 (0x4D) in a source title"
search_for '議事録　です'
expect_eq "$(box_lines)" "会議の議事録です" "Japanese words split at a full-width space"
expect_eq "$(box_count)" "1 件 / 6 件" "the count follows the search text"
shot=$(screenshot search_box) || fail "no screenshot of the search box"
echo "screenshot: $shot"

# --- Esc closes and changes nothing
clip_before=$(qd clipboard)
close_box
expect_eq "$(qd list)" "$ALL" "Esc leaves the history as it was"
expect_eq "$(qd clipboard)" "$clip_before" "Esc leaves the clipboard as it was"

# --- Enter copies the chosen match and moves it to the top, then closes
main_in_front
qd key f3
qd dialog-wait "$BOX" || fail "F3 did not open the search box"
expect_eq "$(box_text)" "" "F3 opens the box empty"
expect_eq "$(box_lines)" "$ALL" "an empty search text matches every entry"
search_for 'bread'
qd key enter
qd dialog-gone "$BOX" || fail "Enter did not close the search box"
expect_eq "$(qd clipboard)" "banana bread" "Enter puts the chosen entry on the clipboard"
expect_eq "$(qd list)" $'banana bread\nApple cider\nヂＢ\n会議の議事録です\ncherry\napple pie recipe' \
  "Enter moves the chosen entry to the top without recording it again"

# --- the matches follow copies and trimming while the box is open
main_in_front
qd key a
qd dialog-wait "$BOX" || fail "typing did not open the search box"
search_for 'apple'
expect_eq "$(box_lines)" $'Apple cider\napple pie recipe' "two entries hold apple"
qd copy 'Editor' 'pineapple juice' >/dev/null
expect_eventually $'pineapple juice\nApple cider\napple pie recipe' "a matching copy shows up on top" box_lines
qd copy 'Editor' 'grape' >/dev/null
expect_eq "$(box_lines)" $'pineapple juice\nApple cider\napple pie recipe' "a copy that does not match stays out"
expect_eq "$(box_count)" "3 件 / 8 件" "the count of all entries follows the copies"
qd copy 'Editor' 'kiwi' >/dev/null
expect_eventually $'pineapple juice\nApple cider' "the entry trimmed off the end leaves the matches" box_lines
expect_eq "$(box_count)" "2 件 / 8 件" "the count follows the trim"

# --- Down chooses in the matches with the caret kept in the field; Delete deletes
qd dialog-front "$BOX" || fail "the search box did not come to the front"
qd key down
expect_eq "$(qd dialog-list-sel "$BOX" "$MATCHES")" "1" "Down chooses the next match"
expect_eq "$(qd dialog-focus "$BOX")" "$SEARCH_TEXT" "the caret stays in the search field"
expect_contains "$(qd dialog-text "$BOX" "$INFO")" "サイズ\\t： 11 Bytes" "the info line describes the chosen match"
qd key pgup
expect_eq "$(qd dialog-list-sel "$BOX" "$MATCHES")" "0" "PageUp chooses the first match"
qd key pgdn
expect_eq "$(qd dialog-list-sel "$BOX" "$MATCHES")" "1" "PageDown stops at the last match"
qd key up
expect_eq "$(qd dialog-list-sel "$BOX" "$MATCHES")" "0" "Up chooses the match above"
qd key down
# With text after the caret, Delete edits the search text.
qd key home
qd key delete
expect_eq "$(box_text)" "pple" "Delete with text after the caret deletes a character"
expect_eq "$(qd list | grep -c 'Apple cider')" "1" "and leaves the history alone"
expect_eq "$(qd dialog-list-sel "$BOX" "$MATCHES")" "1" "the choice stays on its match"
qd key end
qd key delete
expect_eventually "pineapple juice" "the deleted entry leaves the matches" box_lines
expect_eq "$(qd list | grep -c 'Apple cider')" "0" "Delete removes the entry from the history"
expect_eq "$(qd list | wc -l)" "7" "only that entry is gone"
close_box

# --- in the text preview, typing and F3 open the box as well
main_in_front
qd key enter
expect_eventually "1" "Enter shows the text preview" qd visible 1019
qd key k
qd dialog-wait "$BOX" || fail "typing in the text preview did not open the search box"
expect_eq "$(box_text)" "k" "the letter typed in the preview is in the search field"
expect_eq "$(box_lines)" "kiwi" "k finds the kiwi"
close_box
qd focus-main || fail "the main window did not come to the front"
qd key f3
qd dialog-wait "$BOX" || fail "F3 in the text preview did not open the search box"
expect_eq "$(box_text)" "" "F3 opens the box empty in the preview too"
close_box
qd focus-main || fail "the main window did not come to the front"
qd key enter
expect_eventually "1" "Enter goes back to the list" qd visible 1000

# --- Japanese typed in the list through an input method
main_in_front
qd ime-chars 1000 '会議'
qd dialog-wait "$BOX" || fail "a character from the input method did not open the search box"
expect_eventually "会議" "the typed characters are in the search field" box_text
expect_eq "$(box_lines)" "会議の議事録です" "the Japanese word finds its entry"

# --- a settings dialog opened meanwhile from the main window holds the box too,
# until it is done
qd focus-main || fail "the main window did not come to the front"
qd command 1002
qd dialog-wait '動作設定' || fail "the behaviour dialog did not open"
expect_eq "$(qd dialog-enabled "$BOX")" "0" "the box takes no input while a settings dialog is up"
qd dialog-click '動作設定' 2
qd dialog-gone '動作設定' || fail "Cancel did not close the behaviour dialog"
expect_eventually "1" "the box takes input again once the dialog is gone" qd dialog-enabled "$BOX"
qd dialog-front "$BOX" || fail "the search box did not come to the front"
close_box

# --- Shift+Enter pastes into the editor that was in front and hides the window
wine notepad </dev/null >/dev/null 2>&1 &
NOTEPAD_PID=$!
expect_eventually "Notepad" "the editor is in front" qd front-class
qd focus-class Notepad || fail "the editor did not come to the front"
# The program notes the window in front on its timer: the tick, sent now,
# makes the editor the window a paste goes to.
note_front
tray_click 0x201
qd wait-shown || fail "the tray click did not show the main window"
main_in_front
qd key j
qd dialog-wait "$BOX" || fail "typing did not open the search box"
expect_eq "$(box_lines)" "pineapple juice" "j finds the juice"
qd key shift+enter
qd wait-hidden || fail "Shift+Enter did not hide the main window"
expect_eq "$(box_shown)" "0" "Shift+Enter closes the search box"
expect_eventually "pineapple juice" "Shift+Enter pastes the chosen entry into the editor" qd notepad-text
expect_eq "$(qd list | head -1)" "pineapple juice" "the pasted entry is at the top"
kill "$NOTEPAD_PID" 2>/dev/null
wait "$NOTEPAD_PID" 2>/dev/null

finish

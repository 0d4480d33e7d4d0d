#!/bin/bash
# Text that Shift-JIS cannot hold comes back exactly as copied: from the list,
# after a restart, by direct paste into a Unicode editor and through the X
# clipboard. The exact texts live beside the history file, which keeps its
# layout; Japanese text adds nothing there, and a damaged file of exact texts
# costs only those.
source "$(dirname "$0")/lib.sh"

EXACT_FILE=$HISTORY_FILE.w
MIXED='café ☕ 😀 10〜20 한국어'
LEAVE_OUT='SystemInfo/LeavOut=dword:1'

# How many records the file of exact texts holds; empty when it is not one.
exact_records() {
  [ "$(read_le32 "$EXACT_FILE" 0)" = "$((0x57F2F3F4))" ] && read_le32 "$EXACT_FILE" 4
}

# The entry at LINE goes back to the clipboard (it moves to the top).
copy_back() { qd select "$1"; run_command 32773; }

# --- Japanese text, copied by an ANSI and by a Unicode program: no records
start_quillorn "$LEAVE_OUT"
qd copy 'Editor' '日本語のテキスト' >/dev/null
qd copy 'Browser' 'ユニコードの日本語です' --unicode >/dev/null || fail "the Unicode Japanese copy was not recorded"
stop_quillorn
expect_eq "$(history_entry_count)" "2" "both Japanese copies are in the history file"
expect_eq "$(exact_records)" "0" "Japanese text adds no record beside the history file"

# --- text beyond Shift-JIS comes back exactly, and is not recorded again
start_quillorn --keep-work "$LEAVE_OUT"
qd copy 'Browser' "$MIXED" --unicode >/dev/null
shown=$(qd list | head -1)
[ "$shown" != "$MIXED" ] || fail "the list was expected to show the Shift-JIS form"
expect_contains "$shown" "10" "the list shows the Shift-JIS form of the text"
qd copy 'Editor' 'その後のコピー' >/dev/null
copy_back 1
expect_eq "$(qd clipboard --unicode)" "$MIXED" "copying the entry back gives the exact text"
expect_eq "$(qd clipboard)" "$shown" "beside it the clipboard holds the Shift-JIS text"
expect_eq "$(qd list | wc -l)" "4" "copying back records nothing"

# Two emoji are both "?" in Shift-JIS, yet two different texts.
qd copy 'Chat' '😀' --unicode >/dev/null
qd copy 'Chat' '🚀' --unicode >/dev/null || fail "the second emoji was taken for a repeat"
copy_then_marker 'Chat' '🚀' --unicode
expect_eq "$(qd list | wc -l)" "7" "two different emoji give two entries, a repeat none"
stop_quillorn
expect_eq "$(exact_records)" "3" "one record for each text beyond Shift-JIS"

# --- after a restart the exact forms are back, the newest on the clipboard
start_quillorn --keep-work "$LEAVE_OUT"
expect_eq "$(qd clipboard --unicode)" "marker 1" "the newest entry is back on the clipboard"
line=$(qd list | grep -n -x -F "$shown" | cut -d: -f1)
copy_back $((line - 1))
expect_eq "$(qd clipboard --unicode)" "$MIXED" "after a restart the entry still comes back exactly"

# --- direct paste into Wine's notepad
wine notepad </dev/null >/dev/null 2>&1 &
notepad_pid=$!
qd edit-text-of-class Notepad 15000 >/dev/null || fail "notepad did not come up"
other_in_front() { local front; front=$(qd front); [ -n "$front" ] && [ "$front" != main ] && echo yes; }
expect_eventually "yes" "notepad is in front" other_in_front
# The foreground timer's tick, at once: the program notes notepad as the
# window to paste into.
qd send 0x113 1234 0 >/dev/null
qd focus-main || fail "the main window did not come to the front"
qd select 0
run_command 32778
expect_eventually "$MIXED" "the direct paste gives notepad the exact text" qd edit-text-of-class Notepad
kill "$notepad_pid" 2>/dev/null
wait "$notepad_pid" 2>/dev/null

# --- from an X program as UTF-8, and back out through the X clipboard
X_TEXT='X側 naïve café 😀'
count=$(qd list | wc -l)
list_count() { qd list | wc -l; }
printf '%s' "$X_TEXT" | xclip -quiet -selection clipboard -display "$DISPLAY" -i >/dev/null 2>&1 &
xclip_pid=$!
expect_eventually "$((count + 1))" "the X copy is recorded" list_count
kill "$xclip_pid" 2>/dev/null
wait "$xclip_pid" 2>/dev/null
qd copy 'Editor' 'after the X copy' >/dev/null
copy_back 1
x_out() { xclip -o -selection clipboard -display "$DISPLAY" 2>/dev/null; }
expect_eventually "$X_TEXT" "the X copy comes back exactly through the X clipboard" x_out
before_damage=$(qd list)
stop_quillorn

# --- a damaged file of exact texts: the entries stay, in Shift-JIS
head -c 40 "$EXACT_FILE" >"$EXACT_FILE.cut" && mv "$EXACT_FILE.cut" "$EXACT_FILE"
start_quillorn --keep-work "$LEAVE_OUT"
expect_eq "$(qd list)" "$before_damage" "with damaged exact texts every entry is there in Shift-JIS"
line=$(qd list | grep -n -x -F "$shown" | cut -d: -f1)
copy_back $((line - 1))
expect_eq "$(qd clipboard --unicode)" "$shown" "the entry comes back in its Shift-JIS form"
stop_quillorn
expect_eq "$(exact_records)" "0" "the next save writes a fresh file of exact texts"

finish

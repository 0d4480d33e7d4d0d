#!/bin/bash
# Choosing from the QuickSelect popup: a phrase, a date stamp and a file's
# contents go onto the clipboard and are recorded as new entries; a history
# entry goes back onto the clipboard and to the top without a new entry; a
# missing or empty file is reported and copies nothing. A missing phrase file
# is created empty, and the file is read afresh at every popup. Leaves a
# picture of the popup (Japanese labels, a submenu open) in the work folder.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/quickselect_steps.sh"

FILE_NOT_COPYABLE='指定されたパスにファイルが見つからない、またはファイルが空により\nテキストをコピーすることができません。'

prepare_work
start_quillorn --keep-work "${QS_HOTKEY_PRESETS[@]}" SystemInfo/QShowType=dword:3
qd copy 'Editor' 'first' >/dev/null
qd copy 'Editor' 'second' >/dev/null

# --- no phrase file: it is created empty and no popup opens
# (No Esc to close it: a key that finds no menu waits in the program's queue
# and closes the next popup the moment it opens.)
qd key "$QS_HOTKEY" >/dev/null
expect_eventually "0" "a missing QuickSelect.txt is created empty" stat -c %s "$WORK/QuickSelect.txt"
settle
expect_eq "$(qd clipboard)" "second" "an empty popup copies nothing"
expect_eq "$(qd list)" $'second\nfirst' "an empty popup changes no entry"

# --- a phrase file written while the program runs is read at the next popup
printf '%s' 'よろしくお願いします。' | iconv -f UTF-8 -t CP932 >"$WORK/sig.txt"
printf '\r\n' >>"$WORK/sig.txt"
printf '%s' '山田' | iconv -f UTF-8 -t CP932 >>"$WORK/sig.txt"
: >"$WORK/empty.txt"
newest_entry() { qd list | head -1; }
write_quickselect_file \
  '# よく使う文' \
  '@c' \
  '-' \
  '挨拶 [いつもお世話になっております。]' \
  '> 日付' \
  '@d 今日 [!Y4/!M2/!D2]' \
  '<' \
  "@f 署名 [$(win sig.txt)]" \
  "@f 無いファイル [$(win missing.txt)]" \
  "@f 空のファイル [$(win empty.txt)]"
# Root menu: 1 history submenu, 2 phrase, 3 date submenu, 4-6 files (the separator is skipped).

# --- a phrase: onto the clipboard, recorded as a new entry
open_popup_by_hotkey
walk_popup down down enter
expect_eventually "いつもお世話になっております。" "the chosen phrase is on the clipboard" qd clipboard
expect_eventually $'いつもお世話になっております。\nsecond\nfirst' "the phrase is recorded as a new entry" qd list

# --- a history entry: back on the clipboard and to the top, no new entry
open_popup_by_hotkey
walk_popup down right down enter   # "second", the entry below the newest
expect_eventually "second" "the chosen history entry is on the clipboard" qd clipboard
qd copy 'Editor' 'marker' >/dev/null
expect_eq "$(qd list)" $'marker\nsecond\nいつもお世話になっております。\nfirst' \
  "the chosen history entry moved to the top and was not recorded again"

# --- a date stamp from a submenu
before=$(date +%Y/%m/%d)
open_popup_by_hotkey
walk_popup down down down right enter
stamp=$(qd clipboard)
after=$(date +%Y/%m/%d)
[ "$stamp" = "$before" ] || [ "$stamp" = "$after" ] || fail "the date stamp is today's date (got '$stamp', expected '$before')"
expect_eventually "$stamp" "the date stamp is recorded as a new entry" newest_entry

# --- a file's contents, bytes unchanged
open_popup_by_hotkey
walk_popup down down down down enter
expect_eventually 'よろしくお願いします。\r\n山田' "the file's contents are on the clipboard" qd clipboard
expect_eq "$(qd list | wc -l)" "6" "the file's contents are recorded as a new entry"

# --- a missing file and an empty file: message 2, nothing copied
for entry in 5 6; do
  choose_root_item "$entry"
  expect_eq "$(qd dismiss-box "$ERROR_TITLE" 3000)" "$FILE_NOT_COPYABLE" "file entry $entry reports that nothing can be copied"
  expect_eq "$(qd clipboard)" 'よろしくお願いします。\r\n山田' "file entry $entry leaves the clipboard alone"
  expect_eq "$(qd list | wc -l)" "6" "file entry $entry records nothing"
done
expect_eq "$(stat -c %s "$WORK/empty.txt")" "0" "the empty file is left as it was"
[ -e "$WORK/missing.txt" ] && fail "choosing a missing file created it"

# --- a picture of the open popup with its history submenu, to be looked at
open_popup_by_hotkey
qd key down >/dev/null
qd key right >/dev/null
expect_eq "$(qd menu-rects | wc -l)" "2" "Right opens the history submenu"
screenshot quickselect-popup >/dev/null || fail "no screenshot of the popup"
walk_popup esc esc

finish

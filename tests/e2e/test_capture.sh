#!/bin/bash
# A text copied in another program appears at the top of the history with its
# display line, its source window's title and the capture time.
source "$(dirname "$0")/lib.sh"

start_quillorn

qd copy 'メモ帳 - 表示' 'こんにちは\r\n世界' >/dev/null
expect_eq "$(qd list)" "こんにちは(改)世界" "a CR LF shows as the line-break marker"
expect_eq "$(qd sel)" "0" "the new entry is selected"

# Size in bytes (Shift-JIS), date with a four-digit year, English weekday,
# time without leading zeros, and the title of the window the text came from.
info=$(qd text 1003)
year=$(date +%Y); month=$(date +%-m); day=$(date +%-d); weekday=$(LC_ALL=C date +%a)
expect_contains "$info" 'サイズ\t： 16 Bytes\r\n' "info: size line"
expect_contains "$info" "日付\\t： $year/$month/$day $weekday （" "info: date line"
expect_contains "$info" '）\r\nアプリ\t： メモ帳 - 表示' "info: source title"
[[ "$info" =~ （([0-9]{1,2}):([0-9]{1,2}):([0-9]{1,2})） ]] || fail "info: time without leading zeros: $info"

qd copy 'Browser' 'tab\there\nlone LF' >/dev/null
expect_eq "$(qd list | head -1)" 'tab    here\nlone LF' "a tab becomes four spaces, a lone LF stays"
expect_eq "$(qd list | wc -l)" "2" "both copies are recorded"

# Text from an X program reaches Wine's clipboard through the X selection;
# it is recorded once, with the text as copied.
# -quiet keeps xclip in the foreground, so it can be ended, and it must not
# hold ctest's output open.
printf 'Xから コピー' | xclip -quiet -selection clipboard -display "$DISPLAY" -i >/dev/null 2>&1 &
xclip_pid=$!
newest() { qd list | head -1; }
expect_eventually 'Xから コピー' "text copied in an X program is recorded" newest
# Wine announces the X text again once it has been read, sometimes only after
# the read is over; such a late notice (given here at once, WM_DRAWCLIPBOARD)
# is about a clipboard already recorded. Notices are handled in order, so once
# a later copy shows, any notice of Wine's own has been handled too.
qd send 0x308 0 0 >/dev/null
qd copy 'Marker' 'after the X copy' >/dev/null
expect_eq "$(qd list | grep -c 'Xから コピー')" "1" "the X copy is recorded once"
kill "$xclip_pid" 2>/dev/null
wait "$xclip_pid" 2>/dev/null

finish

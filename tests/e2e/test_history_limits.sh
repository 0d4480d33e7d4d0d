#!/bin/bash
# The history keeps to its limit by number or by size, the oldest entries
# leaving first; a repeat of the newest entry is left out on request; the
# highlight can stay on its row while entries move down under it.
source "$(dirname "$0")/lib.sh"

# TEXT padded with x to N bytes
repeat() { printf "%s%$(( $2 - ${#1} ))s" "$1" '' | tr ' ' x; }

# --- by number: four copies with a limit of three keep the last three
start_quillorn 'SystemInfo/HNumber=dword:3'
for text in first second third fourth; do qd copy 'Editor' "$text" >/dev/null; done
expect_eq "$(qd list)" $'fourth\nthird\nsecond' "the oldest entry leaves at the fourth copy"
stop_quillorn

# --- by size (1 KB): the oldest go until the texts fit; the newest always stays
start_quillorn 'SystemInfo/HistoryType=dword:1' 'SystemInfo/HQuantity=dword:1' 'SystemInfo/HNumber=dword:1'
qd copy 'Editor' "$(repeat A 600)" >/dev/null
qd copy 'Editor' 'small' >/dev/null
expect_eq "$(qd list | cut -c1)" $'s\nA' "two texts within 1 KB both stay (the number limit does not apply)"
qd copy 'Editor' "$(repeat B 600)" >/dev/null
expect_eq "$(qd list | cut -c1)" $'B\ns' "over 1 KB the oldest leaves first"
qd copy 'Editor' "$(repeat C 1500)" >/dev/null
expect_eq "$(qd list | cut -c1)" "C" "a text larger than the limit stays as the only entry"
expect_contains "$(qd text 1003)" 'サイズ\t： 1500 Bytes' "the whole text is kept, not only its display line"
qd copy 'Editor' 'next' >/dev/null
expect_eq "$(qd list)" "next" "the next copy pushes the oversized entry out"
stop_quillorn

# --- "LeavOut": only a repeat of the newest entry is left out
start_quillorn 'SystemInfo/LeavOut=dword:1'
qd copy 'Editor' 'same' >/dev/null
copy_then_marker 'Editor' 'same'
expect_eq "$(qd list)" $'marker 1\nsame' "copying the same text twice in a row records it once"
qd copy 'Editor' 'same' >/dev/null
expect_eq "$(qd list)" $'same\nmarker 1\nsame' "a text equal to an older entry is recorded again"
stop_quillorn

start_quillorn
qd copy 'Editor' 'same' >/dev/null
qd copy 'Editor' 'same' >/dev/null
expect_eq "$(qd list)" $'same\nsame' "without LeavOut an immediate repeat is recorded"
stop_quillorn

# --- "NoAdjustCur": the highlight keeps its row
start_quillorn 'SystemInfo/NoAdjustCur=dword:1'
for text in one two three; do qd copy 'Editor' "$text" >/dev/null; done
qd select 2
qd copy 'Editor' 'four' >/dev/null
expect_eq "$(qd sel)" "2" "a capture leaves the highlight on row 2"
expect_eq "$(qd list | sed -n 3p)" "two" "row 2 now shows the entry that was on row 1"
run_command 32773   # copy back the highlighted "two"
expect_eq "$(qd list)" $'two\nfour\nthree\none' "the copied entry goes to the top"
expect_eq "$(qd sel)" "2" "copying back also leaves the highlight on its row"

finish

#!/bin/bash
# The program starts, shows its main dialog built from the resources, and the
# dialog has the history list, the two views and the six tool buttons.
source "$(dirname "$0")/lib.sh"

start_quillorn

expect_eq "$(qd title)" "Quillorn" "main window title"

controls=$(qd controls)
for id in 1006 1002 1005 1007 1001 1004; do
  expect_eq "$(echo "$controls" | awk -v id=$id '$1 == id {print $2}')" "Button" "tool button $id"
done
expect_eq "$(echo "$controls" | awk '$1 == 1000 {print $2}')" "ListBox" "history list"
expect_eq "$(echo "$controls" | awk '$1 == 1003 {print $2}')" "Edit" "info view"
expect_eq "$(echo "$controls" | awk '$1 == 1019 {print $2, $3}')" "Edit hidden" "text preview starts hidden"
expect_contains "$(echo "$controls" | awk '$1 == 1006')" "【 ビューの切り替え 】" "tool tip text of the view button"

finish

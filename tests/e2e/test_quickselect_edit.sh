#!/bin/bash
# The QuickSelect popup's edit entry opens QuickSelect.txt in the editor
# registered for ".txt": the registered command with the placeholder and
# what follows it replaced by the unquoted path, however long the command.
# The editor's handles are not kept, nothing is pasted, and without a usable
# registration Notepad.exe opens the file instead.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/quickselect_steps.sh"

CLASSES='HKEY_CLASSES_ROOT'   # Wine reads no per-user classes
EDITOR_CLASS=QuillornTestEditor
RECORD=$WORK/editor-record.txt

# Registers the driver as the ".txt" editor: `record-args` appends its process
# id and command line to the record. Registry text escapes \ and ".
register_editor() { # text before the placeholder (after the driver's own arguments)
  local command="\"$DRIVER_WIN\" record-args $RECORD_WIN $1\"%1\" --dropped"
  command=${command//\\/\\\\}
  command=${command//\"/\\\"}
  import_classes "[$CLASSES\\.txt]" "@=\"$EDITOR_CLASS\"" \
    "[$CLASSES\\$EDITOR_CLASS\\shell\\open\\command]" "@=\"$command\""
}

import_classes() { # .reg lines
  local file=$WORK/classes.reg
  { printf 'Windows Registry Editor Version 5.00\r\n\r\n'; printf '%s\r\n' "$@"; } |
    iconv -f UTF-8 -t UTF-16 >"$file"
  wine reg import "$(winepath -w "$file")" </dev/null >/dev/null 2>&1 || fail "cannot register the test editor"
}

# The bed's own ".txt" association, if it has one, comes back afterwards.
SAVED_TXT=$E2E_WORK/saved-txt-association.reg
rm -f "$SAVED_TXT"
wine reg export "$CLASSES\\.txt" "$(winepath -w "$SAVED_TXT")" /y </dev/null >/dev/null 2>&1 || rm -f "$SAVED_TXT"
unregister_editor() {
  wine reg delete "$CLASSES\\.txt" /f </dev/null >/dev/null 2>&1
  wine reg delete "$CLASSES\\$EDITOR_CLASS" /f </dev/null >/dev/null 2>&1
  [ -f "$SAVED_TXT" ] && wine reg import "$(winepath -w "$SAVED_TXT")" </dev/null >/dev/null 2>&1
}
trap 'unregister_editor; end_other_program; stop_quillorn' EXIT

# The record's lines for the last editor started: its process id, its command line.
editor_pid() { tail -2 "$RECORD" | head -1 | tr -d '\r'; }
editor_command_line() { tail -1 "$RECORD" | tr -d '\r'; }
records() { [ -f "$RECORD" ] && echo $(( $(wc -l <"$RECORD") / 2 )) || echo 0; }

prepare_work
# The driver and the record by the paths the program and the registry see.
DRIVER_WIN=$(winepath -w "$QDRIVER")
RECORD_WIN=$(winepath -w "$RECORD")
write_quickselect_file 'Greeting [Thank you]' '@e'
start_quillorn --keep-work "${QS_HOTKEY_PRESETS[@]}" SystemInfo/QShowType=dword:3 SystemInfo/QCopyPaste=dword:1
qd copy 'Editor' 'kept' >/dev/null
PHRASE_FILE=$(win QuickSelect.txt)

# --- the registered editor, with the path in place of "%1"; nothing pasted
register_editor ''
in_front 'Target' 8000
qd key-pressed v >/dev/null
open_popup_by_hotkey
walk_popup down down enter
expect_eventually "1" "the registered editor was started" records
expect_eq "$(editor_command_line)" "\"$DRIVER_WIN\" record-args $RECORD_WIN  $PHRASE_FILE" \
  "the editor gets the unquoted path in place of the placeholder and what follows it"
expect_eventually "gone" "the program keeps no handle of the editor it started" qd process-object "$(editor_pid)"
expect_eq "$(qd key-pressed v)" "0" "the edit entry types no Ctrl+V"
expect_eq "$(other_program_text)" "" "the edit entry pastes nothing"
expect_eq "$(qd clipboard)" "kept" "the edit entry leaves the clipboard alone"

# --- a registered command far longer than 520 bytes is started whole
padding=$(printf 'x%.0s' $(seq 700))
register_editor "$padding "
open_popup_by_hotkey
walk_popup down down enter
expect_eventually "2" "the editor with a long registered command was started" records
expect_eq "$(editor_command_line)" "\"$DRIVER_WIN\" record-args $RECORD_WIN $padding  $PHRASE_FILE" \
  "a long registered command is kept whole"

# --- ".txt" without a usable default value: Notepad.exe opens the file
import_classes "[$CLASSES\\.txt]" '@=""'
open_popup_by_hotkey
walk_popup down down enter
title=$(qd close-window-like 'QuickSelect' 10000) || fail "Notepad.exe did not open the phrase file"
expect_eq "$(records)" "2" "no registered editor is started without a registration"

finish

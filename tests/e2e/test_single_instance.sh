#!/bin/bash
# Starting the program while it runs only brings the running one forward: the
# second process ends and leaves no trace (one window, one recording per
# copy, nothing saved); a hidden first instance stays hidden.
source "$(dirname "$0")/lib.sh"

# Runs a second Quillorn.exe from the same folder; fails unless it ends by itself.
second_start() {
  (cd "$WORK" && exec wine "$WORK/Quillorn.exe" </dev/null >>"$WORK/second.log" 2>&1) &
  local pid=$!
  if poll eval "! kill -0 $pid 2>/dev/null"; then
    wait "$pid"
  else
    kill "$pid"
    fail "the second start did not end"
  fi
}

start_quillorn
qd copy 'Editor' 'one' >/dev/null
expect_history_written 1 "the first instance writes its history a moment after the copy"
cp "$HISTORY_FILE" "$WORK/before-second-start.his"

# Another program in front, then the second start.
start_other_program 'Other program'
second_start
expect_eventually "main" "the running instance is brought forward" qd front
end_other_program

expect_eq "$(qd main-windows)" "1" "one main window"
registry_key_exists && fail "the second start saved settings"
expect_same_bytes "$HISTORY_FILE" "$WORK/before-second-start.his" "the second start leaves the history file alone"

qd copy 'Editor' 'two' >/dev/null
expect_eq "$(qd list)" $'two\none' "each copy is recorded once"

# Hidden first instance: the second start does not show it.
qd post 0x10 0 0   # WM_CLOSE: hides
qd wait-hidden || fail "the close box did not hide the window"
second_start
# The second start has ended, and the running instance has handled what it
# was told.
settle
expect_eq "$(qd visible)" "0" "a hidden first instance stays hidden"

stop_quillorn
expect_eq "$(history_entry_count)" "2" "the history file holds the two copies once"

finish

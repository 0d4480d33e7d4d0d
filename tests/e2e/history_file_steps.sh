# Steps shared by the history-file tests (sourced after lib.sh).

KEPT_ASIDE_FILE=$HISTORY_FILE.bad

# Ends the program the way the task manager does: no exit command, nothing
# saved at the end.
force_end_quillorn() {
  wine taskkill /f /im Quillorn.exe </dev/null >/dev/null 2>&1
  poll quillorn_ended || { fail "the forced end did not end Quillorn"; kill -KILL "$QUILLORN_PID"; }
  wait "$QUILLORN_PID" 2>/dev/null
  QUILLORN_PID=
}

# Another program holds FILE open without sharing until release_file.
HOLDER_PID=
hold_file() { # file
  : >"$WORK/holder.txt"
  wine "$QDRIVER" hold-file "$(winepath -w "$1")" 600000 </dev/null >"$WORK/holder.txt" 2>>"$WORK/driver.log" &
  HOLDER_PID=$!
  HELD_FILE=$1
  poll grep -q held "$WORK/holder.txt" || fail "the other program could not hold $1"
}

# Waits until the program has tried to write the held file: its deferred
# write begins with a temporary file beside it, which the holder sees.
expect_write_tried() { # what
  poll grep -q touched "$WORK/holder.txt" || fail "$1: the program never tried to write the history file"
}

# Ends the holder and waits until the file may be opened again.
release_file() {
  [ -n "$HOLDER_PID" ] || return 0
  kill "$HOLDER_PID" 2>/dev/null
  wait "$HOLDER_PID" 2>/dev/null
  HOLDER_PID=
  poll qd hold-file "$(winepath -w "$HELD_FILE")" 0 >/dev/null || fail "the held file was not released"
}

trap 'release_file; end_other_program; stop_quillorn' EXIT

# The files of the work folder whose names begin with the history file's.
history_files() { (cd "$WORK" && ls Quillorn.his* 2>/dev/null | tr '\n' ' '); }

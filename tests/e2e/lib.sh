# Shared steps of the end-to-end tests: start Quillorn.exe in a fresh working
# folder with a cleared (or preset) registry key, drive it with qdriver, check
# what a user or another program would see, and stop everything afterwards.
#
# Environment (set by ctest): QUILLORN_BED, QUILLORN_EXE, QDRIVER, E2E_WORK.
set -uo pipefail

: "${QUILLORN_BED:?}" "${QUILLORN_EXE:?}" "${QDRIVER:?}" "${E2E_WORK:?}"
# The bed ctest gave this test (two tests run side by side, one in each bed).
# shellcheck disable=SC1091
source "$QUILLORN_BED/env" 2>/dev/null || { echo "the Wine bed is not running" >&2; exit 1; }

TEST_NAME=$(basename "$0" .sh)
WORK=$E2E_WORK/$TEST_NAME
REG_KEY='HKCU\Software\Hembrooke\Quillorn'
QUILLORN_PID=
FAILURES=0

# --- waiting ---------------------------------------------------------------
#
# Nothing waits a fixed time: every wait asks again until what it waits for
# has come, up to one deadline, and a wait that ends empty names what never
# came. Where a check is that something does NOT happen, a later event that
# the program can only bring about afterwards (a marker copy recorded, the
# deferred write of a later change) shows that its moment has passed.
WAIT_SECONDS=10

# Microseconds since the epoch.
now_us() { echo "${EPOCHREALTIME/./}"; }

# Runs COMMAND until it succeeds or the deadline passes; its status.
poll() { # command...
  local end=$(( $(now_us) + WAIT_SECONDS * 1000000 ))
  until "$@"; do
    (( $(now_us) < end )) || return 1
    sleep 0.05
  done
}

# --- driving ---------------------------------------------------------------
#
# Keys injected by `qd key` (SendInput) reach Wine's global hotkeys and open
# menus directly, without X focus: `qd key ctrl+alt+1` presses a hotkey. Popup
# menus of the program cannot be read from another process under Wine, so
# `qd menu-choose TEXT` finds the item's place in the program's own menu
# resource and walks the open menu there with Down and Enter, as a user would.
# Keys with modifiers are held a moment, since the program reads the modifier
# state when it handles a key.

# qdriver with UTF-8 in and out; CRs of Windows line ends are dropped.
qd() { wine "$QDRIVER" "$@" </dev/null 2>>"$WORK/driver.log" | tr -d '\r'; return "${PIPESTATUS[0]}"; }

# A command of the main window, sent: its effect is there when this returns.
run_command() { qd send 0x111 "$1" 0 >/dev/null; }

# A mouse message from the program's tray icon, posted as the shell posts it:
# the tray notice message with the icon's id, and WM_LBUTTONDOWN (0x201),
# WM_LBUTTONUP (0x202), WM_RBUTTONDOWN (0x204) or WM_RBUTTONUP (0x205).
TRAY_NOTICE=0x46F
TRAY_ICON_ID=777
tray_click() { qd post "$TRAY_NOTICE" "$TRAY_ICON_ID" "$1"; }

# Copies that must leave no entry: each is followed by a copy that must be
# recorded. The program handles clipboard notices in order, so once the
# marker shows, the copy before it has been handled too.
MARKERS=0
copy_then_marker() {
  qd copy "$@" --no-wait >/dev/null
  MARKERS=$((MARKERS + 1))
  qd copy 'Marker' "marker $MARKERS" >/dev/null || fail "the marker copy after '$2' was not recorded"
}

# The program notes the window in front on each tick of its 200 ms timer
# (id 1234); the tick is given now, so that the note is surely taken.
note_front() { qd send 0x113 1234 0 >/dev/null; }

# Once this returns, the program has handled every message that came before
# (the activation and painting that follow a change of the foreground too).
settle() { qd idle >/dev/null || fail "the program does not come to rest"; }

# Another program's window comes to the front: a titled frame with an edit
# control, for MS milliseconds (one minute unless given). The program has
# noted it as the window in front when this returns.
OTHER_PID=
start_other_program() { # title [ms]
  wine "$QDRIVER" paste-target "$1" "${2:-60000}" </dev/null >"$WORK/other-program.txt" 2>>"$WORK/driver.log" &
  OTHER_PID=$!
  expect_eventually "$1" "the other program is in front" qd front
  note_front
}

end_other_program() {
  [ -n "$OTHER_PID" ] || return 0
  kill "$OTHER_PID" 2>/dev/null
  wait "$OTHER_PID" 2>/dev/null
  OTHER_PID=
}

# What was typed or pasted into the other program, once it has ended by
# itself and printed it (after its "ready" line). It is polled for, so that
# this works in a command substitution too.
other_program_text() {
  local file=$WORK/other-program.txt
  # It ends by itself, at the latest when its time is up.
  while [ "$(wc -l <"$file")" -lt 2 ] && kill -0 "$OTHER_PID" 2>/dev/null; do sleep 0.05; done
  tr -d '\r' <"$file" | sed 1d
}

# The registry key cleared, then filled from "Section/Value=dword:N" or
# "Section/Value=text" arguments.
preset_registry() {
  # A program still running would write its settings over these at its exit.
  qd before-start >/dev/null || fail "a Quillorn of an earlier step is still running"
  wine reg delete "$REG_KEY" /f </dev/null >/dev/null 2>&1
  [ $# -gt 0 ] || return 0
  local file=$WORK/preset.reg
  {
    printf 'Windows Registry Editor Version 5.00\r\n'
    local arg section name value last=
    for arg in "$@"; do
      section=${arg%%/*}; name=${arg#*/}; value=${name#*=}; name=${name%%=*}
      if [ "$section" != "$last" ]; then
        printf '\r\n[HKEY_CURRENT_USER\\Software\\Hembrooke\\Quillorn\\%s]\r\n' "$section"
        last=$section
      fi
      case "$value" in
        dword:*) printf '"%s"=dword:%08x\r\n' "$name" "${value#dword:}" ;;
        *) printf '"%s"="%s"\r\n' "$name" "$value" ;;
      esac
    done
  } | iconv -f UTF-8 -t UTF-16 >"$file"   # with a byte-order mark, as reg import wants
  wine reg import "$(winepath -w "$file")" </dev/null >/dev/null 2>&1
}

# start_quillorn [registry presets...]: a fresh folder beside which the program
# keeps its files; the history or phrase file may be placed there beforehand
# with `prepare_work` and then `start_quillorn --keep-work`.
prepare_work() {
  rm -rf "$WORK"
  mkdir -p "$WORK"
  cp "$QUILLORN_EXE" "$WORK/Quillorn.exe"
}

start_quillorn() {
  if [ "${1:-}" = "--keep-work" ]; then shift; else prepare_work; fi
  preset_registry "$@"
  (cd "$WORK" && exec wine "$WORK/Quillorn.exe" </dev/null >"$WORK/quillorn.log" 2>&1) &
  QUILLORN_PID=$!
  qd wait-main 15000 >/dev/null || fail "the main window did not appear"
}

# Ends the program the way a user does (the exit command), or by force when it
# does not answer; the Wine bed itself stays up for the next test.
stop_quillorn() {
  [ -n "$QUILLORN_PID" ] || return 0
  if kill -0 "$QUILLORN_PID" 2>/dev/null; then
    qd command 1004 >/dev/null || echo "    the exit command could not be posted: $(tail -n 1 "$WORK/driver.log")"
    poll quillorn_ended || { did_not_exit; kill "$QUILLORN_PID" 2>/dev/null; }
  fi
  wait "$QUILLORN_PID" 2>/dev/null
  QUILLORN_PID=
}

# Fails, with what is left of the program: its windows, its screen, and the
# last lines Wine wrote for it (a crash shows there).
did_not_exit() {
  fail "Quillorn did not exit"
  echo "    main windows left: $(qd main-windows); screen: $(screenshot not-exited)"
  tail -n 5 "$WORK/quillorn.log" | sed 's/^/    log: /'
}

quillorn_ended() { ! kill -0 "$QUILLORN_PID" 2>/dev/null; }

# Waits for the program to end by itself; fails when it does not.
wait_quillorn_exit() {
  if poll quillorn_ended; then
    wait "$QUILLORN_PID" 2>/dev/null
    QUILLORN_PID=
  else
    did_not_exit
  fi
}

trap 'end_other_program; stop_quillorn' EXIT

# A registry value of the program as text (dword values as decimal numbers);
# empty when the value is missing.
reg_value() {
  local section=$1 name=$2 out
  out=$(wine reg query "$REG_KEY\\$section" /v "$name" </dev/null 2>/dev/null | iconv -f CP932 -t UTF-8 | tr -d '\r' |
        awk -v n="$name" '$1 == n { $1 = ""; $2 = ""; sub(/^  /, ""); print }')
  case "$out" in
    0x*) echo $((out)) ;;
    *) echo "$out" ;;
  esac
}

registry_key_exists() { wine reg query "$REG_KEY" </dev/null >/dev/null 2>&1; }

# Every value under the program's key, one "Section/Value=dword:N" or
# "Section/Value=text" line each (the preset syntax), sorted.
registry_dump() {
  local line section= name type value
  wine reg query "$REG_KEY" /s </dev/null 2>/dev/null | iconv -f CP932 -t UTF-8 | tr -d '\r' |
    while IFS= read -r line; do
      case "$line" in
        HKEY_*) section=${line##*\\} ;;
        *' REG_DWORD '*) read -r name type value <<<"$line"; echo "$section/$name=dword:$((value))" ;;
        *' REG_SZ '*) read -r name type value <<<"$line"; echo "$section/$name=$value" ;;
      esac
    done | LC_ALL=C sort
}

# --- the history file ------------------------------------------------------

HISTORY_FILE=$WORK/Quillorn.his

# Little-endian unsigned 32-bit integers, as raw bytes.
le32() {
  local n
  for n in "$@"; do
    n=$(( n & 0xFFFFFFFF ))
    printf "$(printf '\\x%02x\\x%02x\\x%02x\\x%02x' $((n & 255)) $((n >> 8 & 255)) $((n >> 16 & 255)) $((n >> 24 & 255)))"
  done
}

sjis() { printf '%s' "$1" | iconv -f UTF-8 -t CP932; }
sjis_length() { sjis "$1" | wc -c; }

# The bytes of a history file holding the given entries, newest first:
#   history_bytes TIME TEXT SOURCE [TIME TEXT SOURCE]...
# Texts and sources are given in UTF-8 and stored in Shift-JIS.
history_bytes() {
  local count=$(( $# / 3 )) longest=0 length
  local args=("$@") i
  for (( i = 1; i < $#; i += 3 )); do
    for length in $(sjis_length "${args[i]}") $(sjis_length "${args[i + 1]}"); do
      (( length > longest )) && longest=$length
    done
  done
  le32 0xF1F2F3F4 "$count" 0
  for (( i = 0; i < $#; i += 3 )); do
    le32 0x1F2F3F4F "${args[i]}" "$(sjis_length "${args[i + 1]}")" "$(sjis_length "${args[i + 2]}")"
    sjis "${args[i + 1]}"
    sjis "${args[i + 2]}"
  done
  le32 0x1234FFFF "$longest"
}

# The little-endian unsigned 32-bit integer at OFFSET of a file, in decimal;
# empty when the file is missing or too short.
read_le32() { # file offset
  od -An -tu4 -j"$2" -N4 "$1" 2>/dev/null | tr -d ' '
}

# How many entries the history file says it holds.
history_entry_count() { read_le32 "$HISTORY_FILE" 4; }

# Waits for the deferred write that follows a change: the file holding N entries.
expect_history_written() { # n what
  expect_eventually "$1" "$2" history_entry_count
}

# The capture time of the history file's first (newest) entry, just after the
# 12-byte header and the entry's 4-byte marker.
history_newest_time() { read_le32 "$HISTORY_FILE" 16; }

# Overwrites 4 bytes of a file at OFFSET with a little-endian integer.
patch_le32() { # file offset value
  le32 "$3" | dd of="$1" bs=1 seek="$2" conv=notrunc status=none
}

# --- checking --------------------------------------------------------------

fail() {
  echo "FAIL [$TEST_NAME]: $*" >&2
  FAILURES=$((FAILURES + 1))
}

expect_eq() { # actual expected what
  if [ "$1" != "$2" ]; then
    fail "$3"$'\n'"    expected: $2"$'\n'"    actual:   $1"
  fi
}

expect_contains() { # haystack needle what
  case "$1" in
    *"$2"*) ;;
    *) fail "$3"$'\n'"    expected to contain: $2"$'\n'"    actual: $1" ;;
  esac
}

expect_same_bytes() { # actual-file expected-file what
  if ! cmp -s "$1" "$2"; then
    fail "$3"$'\n'"    expected bytes:"$'\n'"$(od -Ax -tx1 -v "$2" 2>&1 | sed 's/^/      /')"$'\n'"    actual bytes:"$'\n'"$(od -Ax -tx1 -v "$1" 2>&1 | sed 's/^/      /')"
  fi
}

# Asks again, up to the deadline, until COMMAND prints EXPECTED: for effects
# of input, which the program handles in its own time.
expect_eventually() { # expected what command...
  local expected=$1 what=$2 actual end=$(( $(now_us) + WAIT_SECONDS * 1000000 ))
  shift 2
  while :; do
    actual=$("$@")
    [ "$actual" = "$expected" ] && return 0
    (( $(now_us) < end )) || break
    sleep 0.05
  done
  expect_eq "$actual" "$expected" "$what (never came within ${WAIT_SECONDS} s)"
}

distance() { local d=$(( $1 - $2 )); echo $(( d < 0 ? -d : d )); }
expect_near() { # actual-colour expected-colour tolerance what: each channel within it
  local i ok=1
  for i in 0 2 4; do
    (( $(distance "16#${1:i:2}" "16#${2:i:2}") <= $3 )) || ok=
  done
  [ ${#1} -eq 6 ] && [ -n "$ok" ] || fail "$4"$'\n'"    expected: $2 (each channel ±$3)"$'\n'"    actual:   $1"
}

# A screenshot of the virtual desktop as PNG; prints the path.
screenshot() {
  local bmp=$WORK/$1.bmp png=$WORK/$1.png
  qd screenshot "$(winepath -w "$bmp")" && convert "$bmp" "$png" && rm -f "$bmp" && echo "$png"
}

finish() {
  end_other_program
  stop_quillorn
  if [ "$FAILURES" -gt 0 ]; then
    echo "$TEST_NAME: $FAILURES check(s) failed (work folder: $WORK)" >&2
    exit 1
  fi
  echo "$TEST_NAME: passed"
}

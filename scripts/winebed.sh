#!/bin/bash
# The Wine test beds shared by the tests and the run command: each bed is a
# headless X server on a free display and a private 64-bit Wine prefix with a
# Japanese locale (ANSI code page 932) whose windows all live in one virtual
# desktop. Two beds have nothing in common (display, clipboard, desktop,
# registry), so two tests can run side by side, one in each.
#
#   winebed.sh start DIR...   start Xvfb and the prefix's wineserver of each bed
#                             (side by side); writes DIR/env
#   winebed.sh stop DIR...    stop what start started, by process id
#   winebed.sh status DIR     exit 0 when the bed in DIR is running
#
# DIR/env exports DISPLAY, WINEPREFIX and the rest; source it before calling wine.
#
# A prefix is made once, in a template beside the beds (DIR/../wineprefix),
# and each bed starts from a copy of it: Wine's first boot of a prefix is the
# slow part of a start. The template counts as made once its last step has
# left a mark, so a set-up cut short is made afresh next time.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
cmd=${1:-}
[ -n "$cmd" ] && [ $# -ge 2 ] || { echo "usage: $0 start|stop|status DIR..." >&2; exit 2; }
shift
READY_MARK=.quillorn-prefix-ready

alive() { [ -n "${1:-}" ] && kill -0 "$1" 2>/dev/null; }

absolute() { mkdir -p "$1" && (cd "$1" && pwd); }

running() { # dir
  [ -f "$1/env" ] || return 1
  # shellcheck disable=SC1090,SC1091
  ( source "$1/env"; alive "$XVFB_PID" && alive "$WINESERVER_PID" )
}

free_display() {
  local n
  for n in $(seq 90 199); do
    # The lock is taken at once, so that beds started side by side get
    # different displays.
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ] && mkdir "/tmp/.quillorn-display-$n" 2>/dev/null; then
      echo "$n"
      return
    fi
  done
  echo "winebed: no free X display" >&2
  exit 1
}

wine_environment() { # display prefix
  cat <<ENV
export DISPLAY=:$1
export WINEPREFIX=$2
export WINEARCH=win64
export WINEDEBUG=-all
# No debugger on a crash: the crashed program ends instead of waiting for one.
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
export LANG=ja_JP.UTF-8
export LC_ALL=ja_JP.UTF-8
ENV
}

# Makes the template prefix unless it is there and whole. Called with the
# template's lock held and a display to boot on.
make_template() { # template display
  local template=$1 acp
  [ -f "$template/$READY_MARK" ] && return 0
  rm -rf "$template"
  mkdir -p "$template"
  (
    eval "$(wine_environment "$2" "$template")"
    wine wineboot -i </dev/null >"$template.boot.log" 2>&1
    "$here/prefix-setup.sh"
    # Every Wine process shares one virtual desktop: it gives a taskbar and a
    # tray, and lets the driver see the program's windows.
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Quillorn /f </dev/null >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Quillorn /d 1024x768 /f </dev/null >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops\Quillorn' /v EnableShell /t REG_DWORD /d 1 /f </dev/null >/dev/null 2>&1
    acp=$(wine reg query 'HKLM\System\CurrentControlSet\Control\Nls\CodePage' /v ACP </dev/null 2>/dev/null | tr -d '\r' | awk '/ACP/ {print $NF}')
    # The registry reaches the disk when the prefix's server ends.
    wineserver -k </dev/null >/dev/null 2>&1 || true
    wineserver -w </dev/null >/dev/null 2>&1 || true
    if [ "$acp" != "932" ]; then
      echo "winebed: the prefix's ANSI code page is '$acp', not 932 (is the ja_JP.UTF-8 locale generated?)" >&2
      exit 1
    fi
  ) || { rm -rf "$template"; return 1; }
  touch "$template/$READY_MARK"
}

# A copy of the template; Wine never writes its own DLLs, so those folders
# are linked rather than copied.
copy_template() { # template prefix
  local template=$1 prefix=$2 sub
  rm -rf "$prefix"
  mkdir -p "$prefix"
  (cd "$template" && tar --exclude=./drive_c/windows/system32 --exclude=./drive_c/windows/syswow64 \
     --exclude=./drive_c/windows/winsxs -cf - .) | (cd "$prefix" && tar -xf -)
  for sub in system32 syswow64 winsxs; do
    [ -d "$template/drive_c/windows/$sub" ] && cp -al "$template/drive_c/windows/$sub" "$prefix/drive_c/windows/$sub"
  done
  rm -f "$prefix/$READY_MARK"
}

start_one() { # dir
  local dir=$1 display xvfb_pid server_pid template
  running "$dir" && return 0
  # A bed that is half gone (one of its servers died) is cleared first, so that
  # no server of it is left behind.
  stop_one "$dir"
  command -v wine >/dev/null && command -v Xvfb >/dev/null || "$here/setup.sh" || return 1
  display=$(free_display)
  Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp </dev/null >"$dir/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 200); do
    [ -e "/tmp/.X11-unix/X$display" ] && break
    alive "$xvfb_pid" || break
    sleep 0.05
  done
  rmdir "/tmp/.quillorn-display-$display" 2>/dev/null || true
  if ! alive "$xvfb_pid" || [ ! -e "/tmp/.X11-unix/X$display" ]; then
    echo "winebed: Xvfb did not start on :$display" >&2
    cat "$dir/xvfb.log" >&2
    kill "$xvfb_pid" 2>/dev/null || true
    return 1
  fi

  template=$(dirname "$dir")/wineprefix
  mkdir -p "$(dirname "$template")"
  # -o: no server started under the lock may keep holding it.
  if ! flock -o "$template.lock" "$here/winebed.sh" make-template "$template" "$display"; then
    kill "$xvfb_pid" 2>/dev/null || true
    return 1
  fi
  copy_template "$template" "$dir/prefix"

  { wine_environment "$display" "$dir/prefix"; echo "export XVFB_PID=$xvfb_pid"; } >"$dir/env.new"
  # The server must know the display from the start, and must not hold the
  # caller's pipes open (ctest would wait for it).
  (
    eval "$(wine_environment "$display" "$dir/prefix")"
    exec wineserver -f -p </dev/null >"$dir/wineserver.log" 2>&1
  ) &
  server_pid=$!
  # A Wine program started before the server listens would start a server of
  # its own, and ours would end: its socket is waited for first. It lies in
  # a folder named after the prefix's device and inode.
  local socket
  socket=$(printf 'server-%x-%x/socket' $(stat -c '%d %i' "$dir/prefix"))
  for _ in $(seq 200); do
    compgen -G "/tmp/.wine-$(id -u)/$socket" >/dev/null || compgen -G "/tmp/wine-*/$socket" >/dev/null && break
    alive "$server_pid" || break
    sleep 0.05
  done
  echo "export WINESERVER_PID=$server_pid" >>"$dir/env.new"
  mv "$dir/env.new" "$dir/env"
  # The server is up once it answers: a program that runs and ends.
  (
    # shellcheck disable=SC1091
    source "$dir/env"
    wine cmd /c exit </dev/null >/dev/null 2>&1
  ) || true
  running "$dir" || { echo "winebed: the wineserver of $dir ended during set-up" >&2; cat "$dir/wineserver.log" >&2; stop_one "$dir"; return 1; }
}

stop_one() { # dir
  local dir=$1 pid
  [ -f "$dir/env" ] || { rm -f "$dir/env.new"; return 0; }
  # shellcheck disable=SC1090,SC1091
  ( source "$dir/env"; timeout 10 wineserver -k </dev/null >/dev/null 2>&1 ) || true
  for pid in $(sed -n 's/^export \(WINESERVER\|XVFB\)_PID=//p' "$dir/env"); do
    alive "$pid" || continue
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 40); do alive "$pid" || break; sleep 0.05; done
    if alive "$pid"; then kill -9 "$pid" 2>/dev/null || true; fi
  done
  rm -f "$dir/env"
}

case "$cmd" in
  start)
    dirs=()
    for d in "$@"; do dirs+=("$(absolute "$d")"); done
    pids=()
    for d in "${dirs[@]}"; do start_one "$d" & pids+=($!); done
    status=0
    for p in "${pids[@]}"; do wait "$p" || status=1; done
    exit $status ;;
  stop)
    for d in "$@"; do [ -d "$d" ] && stop_one "$(cd "$d" && pwd)"; done
    exit 0 ;;
  status) [ -d "$1" ] && running "$(cd "$1" && pwd)" ;;
  make-template) make_template "$1" "$2" ;;
  *) echo "usage: $0 start|stop|status DIR..." >&2; exit 2 ;;
esac

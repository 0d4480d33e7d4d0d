#!/bin/bash
# The Wine test bed shared by the tests and the run command: a headless X
# server on a free display and a private 64-bit Wine prefix with a Japanese
# locale (ANSI code page 932) whose windows all live in one virtual desktop.
#
#   winebed.sh start DIR   start Xvfb and the prefix's wineserver; writes DIR/env
#   winebed.sh stop DIR    stop what start started, by process id
#   winebed.sh status DIR  exit 0 when the bed in DIR is running
#
# DIR/env exports DISPLAY, WINEPREFIX and the rest; source it before calling wine.
set -euo pipefail

cmd=${1:-}
dir=${2:-}
[ -n "$cmd" ] && [ -n "$dir" ] || { echo "usage: $0 start|stop|status DIR" >&2; exit 2; }
mkdir -p "$dir"
dir=$(cd "$dir" && pwd)
envfile=$dir/env

alive() { [ -n "${1:-}" ] && kill -0 "$1" 2>/dev/null; }

running() {
  [ -f "$envfile" ] || return 1
  # shellcheck disable=SC1090
  ( source "$envfile"; alive "$XVFB_PID" && alive "$WINESERVER_PID" )
}

free_display() {
  local n
  for n in $(seq 90 199); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
      echo "$n"
      return
    fi
  done
  echo "winebed: no free X display" >&2
  exit 1
}

start() {
  if running; then
    return 0
  fi
  # A bed that is half gone (one of its servers died) is cleared first, so that
  # no server of it is left behind.
  stop
  local display xvfb_pid server_pid
  command -v wine >/dev/null && command -v Xvfb >/dev/null || "$(dirname "$0")/setup.sh" || exit 1
  display=$(free_display)
  Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp </dev/null >"$dir/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [ -e "/tmp/.X11-unix/X$display" ] && break
    sleep 0.05
  done
  alive "$xvfb_pid" || { echo "winebed: Xvfb did not start" >&2; cat "$dir/xvfb.log" >&2; exit 1; }

  cat >"$envfile.new" <<ENV
export DISPLAY=:$display
export WINEPREFIX=$dir/prefix
export WINEARCH=win64
export WINEDEBUG=-all
# No debugger on a crash: the crashed program ends instead of waiting for one.
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
export LANG=ja_JP.UTF-8
export LC_ALL=ja_JP.UTF-8
export XVFB_PID=$xvfb_pid
ENV
  # shellcheck disable=SC1090
  source "$envfile.new"

  # The server must know the display from the start, and must not hold the
  # caller's pipes open (ctest would wait for it). It refuses to start in a
  # prefix folder that does not exist yet.
  mkdir -p "$WINEPREFIX"
  wineserver -f -p </dev/null >"$dir/wineserver.log" 2>&1 &
  server_pid=$!
  sleep 0.2
  if ! alive "$server_pid"; then
    echo "winebed: the wineserver did not start" >&2
    cat "$dir/wineserver.log" >&2
    kill "$xvfb_pid" 2>/dev/null
    rm -f "$envfile.new"
    exit 1
  fi
  echo "export WINESERVER_PID=$server_pid" >>"$envfile.new"
  wine wineboot -i </dev/null >"$dir/wineboot.log" 2>&1
  "$(dirname "$0")/prefix-setup.sh"
  # Every Wine process shares one virtual desktop: it gives a taskbar and a tray,
  # and lets the driver see the program's windows.
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Quillorn /f </dev/null >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Quillorn /d 1024x768 /f </dev/null >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops\Quillorn' /v EnableShell /t REG_DWORD /d 1 /f </dev/null >/dev/null 2>&1

  local acp
  acp=$(wine reg query 'HKLM\System\CurrentControlSet\Control\Nls\CodePage' /v ACP </dev/null 2>/dev/null | tr -d '\r' | awk '/ACP/ {print $NF}')
  if [ "$acp" != "932" ]; then
    echo "winebed: the prefix's ANSI code page is '$acp', not 932 (is the ja_JP.UTF-8 locale generated?)" >&2
    mv "$envfile.new" "$envfile"
    stop
    exit 1
  fi
  mv "$envfile.new" "$envfile"
  running || { echo "winebed: the wineserver ended during set-up" >&2; cat "$dir/wineserver.log" >&2; stop; exit 1; }
}

stop() {
  [ -f "$envfile" ] || return 0
  # shellcheck disable=SC1090
  source "$envfile"
  # Ask the server to end its processes, then make sure both servers are gone.
  timeout 10 wineserver -k </dev/null >/dev/null 2>&1 || true
  for pid in "${WINESERVER_PID:-}" "${XVFB_PID:-}"; do
    alive "$pid" || continue
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 40); do alive "$pid" || break; sleep 0.05; done
    alive "$pid" && kill -9 "$pid" 2>/dev/null || true
  done
  rm -f "$envfile"
}

case "$cmd" in
  start) start ;;
  stop) stop ;;
  status) running ;;
  *) echo "usage: $0 start|stop|status DIR" >&2; exit 2 ;;
esac

#!/bin/bash
# Sets up what is missing, builds Quillorn and starts it under Wine.
# With a usable X display the program runs there (in its own Wine prefix, so a
# Wine setup of the user's stays untouched); headless, a short scripted demo runs
# it on a virtual screen and writes a screenshot whose path it prints.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUILLORN_BUILD:-$root/build}
export LC_ALL=C

"$root/scripts/setup.sh"
cmake -S "$root" -B "$build/win" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
      -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build/win" -j"$(nproc)" --target Quillorn qdriver >/dev/null

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  export WINEPREFIX=${QUILLORN_WINEPREFIX:-$HOME/.local/share/quillorn/wine}
  export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
  # The last step of the prefix's set-up leaves a mark: a set-up cut short
  # (Ctrl-C, a full disk) is finished on the next run.
  if [ ! -f "$WINEPREFIX/.quillorn-prefix-ready" ]; then
    mkdir -p "$(dirname "$WINEPREFIX")"   # Wine makes the prefix, not its parents
    wine wineboot -i </dev/null >/dev/null 2>&1
    "$root/scripts/prefix-setup.sh"
    wineserver -w
    touch "$WINEPREFIX/.quillorn-prefix-ready"
  fi
  # The history and phrase files live beside the executable.
  mkdir -p "$build/run"
  cp "$build/win/Quillorn.exe" "$build/run/"
  cd "$build/run"
  echo "Quillorn runs on $DISPLAY (folder $build/run)."
  exec wine Quillorn.exe
fi

exec "$root/scripts/demo.sh" "$build"

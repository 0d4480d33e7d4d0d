#!/bin/bash
# Turns a text kept in the repository as UTF-8 with LF line ends into what a
# Japanese Windows user's editor expects: Shift-JIS (code page 932) with CR LF.
# Fails, leaving no output, when a character has no Shift-JIS form.
# Usage: to-windows-text.sh IN OUT
set -euo pipefail
in=$1 out=$2
mkdir -p "$(dirname "$out")"
LC_ALL=C sed 's/\r$//; s/$/\r/' "$in" | iconv -f UTF-8 -t CP932 >"$out.part" || { rm -f "$out.part"; exit 1; }
mv "$out.part" "$out"

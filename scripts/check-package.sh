#!/bin/bash
# Checks a user package as a user would get it: the zip holds exactly
# Quillorn.exe, QuickSelect.txt and readme.txt; both texts are Shift-JIS with
# CR LF line ends; the readme names the file a damaged history is kept in; and
# the sample QuickSelect.txt, taken out of the zip, builds a menu with every
# kind of line through the program's own phrase parser (the native core tests).
# The exe itself carries no symbols, a Japanese version resource whose version
# is the one of the title screen's version string, and its manifest.
# Usage: check-package.sh ZIP CORE_TESTS
set -uo pipefail
zip=$1 core_tests=$2
failures=0
fail() { echo "FAIL [package]: $*" >&2; failures=$((failures + 1)); }

listing=$(cmake -E tar tf "$zip" | sort | tr '\n' ' ')
[ "$listing" = "QuickSelect.txt Quillorn.exe readme.txt " ] || fail "the zip holds: $listing"

dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
(cd "$dir" && cmake -E tar xf "$zip") || fail "the zip cannot be unpacked"

[ "$(head -c 2 "$dir/Quillorn.exe")" = "MZ" ] || fail "Quillorn.exe is not a Windows program"
for text in QuickSelect.txt readme.txt; do
  iconv -f CP932 -t UTF-8 "$dir/$text" >/dev/null 2>&1 || fail "$text is not Shift-JIS"
  [ "$(LC_ALL=C grep -c -v $'\r$' "$dir/$text")" = 0 ] || fail "$text has lines without CR LF"
  [ "$(tail -c 2 "$dir/$text" | od -An -tx1 | tr -d ' ')" = 0d0a ] || fail "$text does not end with CR LF"
done
# Read whole first: a grep -q that stops early would break the pipe.
readme=$(iconv -f CP932 -t UTF-8 "$dir/readme.txt" 2>/dev/null)
grep -qF 'Quillorn.his.bad' <<<"$readme" || fail "readme.txt does not name Quillorn.his.bad"

# --- what Windows shows of the exe, read out of its resources
resources() { python3 "$(dirname "$0")/exe-resources.py" "$dir/Quillorn.exe" "$@"; }
title=$(resources string 1)
version=$(sed -n 's/^Version \([0-9][0-9]*\)\.\([0-9][0-9]*\) .*/\1.\2/p' <<<"$title")
[ -n "$version" ] || fail "the title's version string reads '$title'"
numbers=$(awk -F. '{ printf "%d.%d.0.0", $1, $2 }' <<<"$version")
info=$(resources version) || fail "Quillorn.exe has no version resource"
for line in "Fixed=$numbers" "FileVersion=$version" "ProductVersion=$version" "Translation=0411 932" \
            "ProductName=Quillorn" "CompanyName=Hembrooke" "OriginalFilename=Quillorn.exe" \
            "FileDescription=クリップボード履歴ユーティリティ"; do
  grep -qFx "$line" <<<"$info" || fail "the version resource lacks '$line' (title: '$title'): $(tr '\n' ' ' <<<"$info")"
done
grep -qF "$title" <<<"$readme" || fail "readme.txt does not name '$title'"
manifest=$(resources manifest) || fail "Quillorn.exe has no application manifest"
grep -q 'requestedExecutionLevel level="asInvoker"' <<<"$manifest" || fail "the manifest does not ask to run as invoker"
[ "$(grep -c '<supportedOS ' <<<"$manifest")" = 4 ] || fail "the manifest does not name Windows 7, 8, 8.1 and 10/11"
grep -qE '<dependency|dpiAware' <<<"$manifest" && fail "the manifest asks for other controls or declares DPI awareness"
[ "$(resources symbols)" = 0 ] || fail "Quillorn.exe still carries symbols"

QUILLORN_SAMPLE_PHRASES=$dir/QuickSelect.txt "$core_tests" --gtest_filter='SamplePhraseFile.*' --gtest_brief=1 ||
  fail "the sample QuickSelect.txt from the zip does not pass the phrase parser's checks"

[ "$failures" = 0 ] && echo "package: $zip passed"
[ "$failures" = 0 ]

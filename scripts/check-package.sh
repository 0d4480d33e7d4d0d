#!/bin/bash
# Checks a user package as a user would get it: the zip holds exactly
# Quillorn.exe, QuickSelect.txt and readme.txt; both texts are Shift-JIS with
# CR LF line ends; the readme names the file a damaged history is kept in; and
# the sample QuickSelect.txt, taken out of the zip, builds a menu with every
# kind of line through the program's own phrase parser (the native core tests).
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
iconv -f CP932 -t UTF-8 "$dir/readme.txt" 2>/dev/null | grep -q 'Quillorn\.his\.bad' ||
  fail "readme.txt does not name Quillorn.his.bad"

QUILLORN_SAMPLE_PHRASES=$dir/QuickSelect.txt "$core_tests" --gtest_filter='SamplePhraseFile.*' --gtest_brief=1 ||
  fail "the sample QuickSelect.txt from the zip does not pass the phrase parser's checks"

[ "$failures" = 0 ] && echo "package: $zip passed"
[ "$failures" = 0 ]

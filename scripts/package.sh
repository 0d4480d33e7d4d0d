#!/bin/bash
# Builds the Release program and writes the user package
# dist/Quillorn-<version>.zip, with the version the build gives the program.
# The zip holds Quillorn.exe, the sample QuickSelect.txt and the Japanese
# readme.txt; the two texts are kept in package/ as UTF-8 and go into
# the zip as Shift-JIS with CR LF line ends. Prints the zip's path.
# Usage: package.sh [QUILLORN_EXE] (a Release Quillorn.exe already built is
# packed as it is; without it the program is built first).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUILLORN_BUILD:-$root/build}
export LC_ALL=C

exe=${1:-}
if [ -z "$exe" ]; then
  "$root/scripts/setup.sh" >&2
  cmake -S "$root" -B "$build/win" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
        -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$build/win" -j"$(nproc)" --target Quillorn >/dev/null
  exe=$build/win/Quillorn.exe
fi
[ -f "$exe" ] || { echo "package: no $exe" >&2; exit 1; }

# The version the build gave the program (its title and its version resource).
version_header=$build/win/generated/res/version.h
version=$(sed -n 's/^#define QUILLORN_VERSION_TEXT *"\([0-9][0-9.]*\)"/\1/p' "$version_header")
[ -n "$version" ] || { echo "package: no version in $version_header" >&2; exit 1; }

stage=$build/package/Quillorn-$version
rm -rf "$stage"
mkdir -p "$stage" "$root/dist"
cp "$exe" "$stage/Quillorn.exe"
"$root/scripts/to-windows-text.sh" "$root/package/QuickSelect.txt" "$stage/QuickSelect.txt"
"$root/scripts/to-windows-text.sh" "$root/package/readme.txt" "$stage/readme.txt"

zip=$root/dist/Quillorn-$version.zip
rm -f "$zip"
(cd "$stage" && cmake -E tar cf "$zip" --format=zip Quillorn.exe QuickSelect.txt readme.txt)
echo "$zip"

#!/bin/bash
# Sets up what is missing, builds both builds and runs every test:
#   0. layers: no folder includes one above it (scripts/check-layers.sh);
#   1. native: the portable core and its unit tests, with ASan and UBSan;
#   2. fuzz: each libFuzzer target (clang) for a few seconds on its seed corpus;
#   3. Windows: Quillorn.exe, the driver and the Win32 tests, run under Wine
#      together with the end-to-end tests (after the package);
#   4. package: the user zip made from that build's Quillorn.exe, checked as a
#      user gets it.
# Build folders live under build/ (or $QUILLORN_BUILD). The Wine tests run two
# at a time, each in a test bed of its own; a test that fails is not run again.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUILLORN_BUILD:-$root/build}
jobs=$(nproc)
export LC_ALL=C   # compiler messages in English
beds=("$build/win/winebed" "$build/win/winebed2")

# However the run ends (Ctrl-C too), the beds' servers and X displays that
# ctest started are stopped, by the process ids the beds wrote down.
stop_beds() { "$root/scripts/winebed.sh" stop "${beds[@]}" >/dev/null 2>&1; }
trap stop_beds EXIT
trap 'echo "test: interrupted" >&2; exit 130' INT TERM

"$root/scripts/setup.sh" || exit 1

declare -a summary
status=0
stage() { # name, then the command
  local name=$1 start=$SECONDS
  shift
  echo "==== $name"
  if "$@"; then
    summary+=("$(printf '%-28s passed  %4ds' "$name" $((SECONDS - start)))")
  else
    summary+=("$(printf '%-28s FAILED  %4ds' "$name" $((SECONDS - start)))")
    status=1
  fi
}

configure_and_build() { # build dir, cmake options...
  local dir=$1
  shift
  cmake -S "$root" -B "$dir" "$@" >"$dir.configure.log" 2>&1 || { cat "$dir.configure.log"; return 1; }
  cmake --build "$dir" -j"$jobs"
}

# The zip's sample phrase file goes through the native core tests' parser.
package_and_check() {
  local zip
  zip=$(QUILLORN_BUILD=$build "$root/scripts/package.sh" "$build/win/Quillorn.exe" | tail -1) &&
    "$root/scripts/check-package.sh" "$zip" "$build/native/core_tests"
}

mkdir -p "$build"
stage "layers"        "$root/scripts/check-layers.sh"
stage "native build"  configure_and_build "$build/native" -DCMAKE_BUILD_TYPE=Debug
stage "native unit tests" ctest --test-dir "$build/native" --output-on-failure -j"$jobs"
stage "fuzz build"    configure_and_build "$build/fuzz" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
                        -DQUILLORN_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
stage "fuzz runs"     ctest --test-dir "$build/fuzz" --output-on-failure
stage "windows build" configure_and_build "$build/win" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release
stage "package"       package_and_check
# Two beds, two tests at a time: the tests mostly wait for the program. Each
# test runs once; the summary names every one that failed.
wine_tests() {
  local log=$build/win/wine-tests.log
  ctest --test-dir "$build/win" --output-on-failure -j2 |
    tee "$log"
  local status=${PIPESTATUS[0]}
  failed=$(sed -n '/The following tests FAILED/,$p' "$log" | sed -n 's/^[[:space:]]*[0-9]* - \(.*\)$/  failed: \1/p')
  return "$status"
}
failed=
stage "win32 and end-to-end tests" wine_tests

echo
echo "==== summary"
printf '%s\n' "${summary[@]}"
[ -z "$failed" ] || printf '%s\n' "$failed"
exit $status

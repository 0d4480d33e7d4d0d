#!/bin/bash
# Sets up what is missing, builds both builds and runs every test:
#   0. layers: no folder includes one above it (scripts/check-layers.sh);
#   1. native: the portable core and its unit tests, with ASan and UBSan;
#   2. fuzz: each libFuzzer target (clang) for a few seconds on its seed corpus;
#   3. Windows: Quillorn.exe, the driver and the Win32 tests, run under Wine
#      together with the end-to-end tests (after the package);
#   4. package: the user zip made by scripts/package.sh, checked as a user gets it.
# Build folders live under build/ (or $QUILLORN_BUILD).
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUILLORN_BUILD:-$root/build}
jobs=$(nproc)
export LC_ALL=C   # compiler messages in English

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
  zip=$(QUILLORN_BUILD=$build "$root/scripts/package.sh" | tail -1) &&
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
# Wine and Xvfb under a loaded machine now and then lose a race that no user
# would meet (a warped cursor arriving late); a test gets a second run, and a
# fault that is real fails both.
stage "win32 and end-to-end tests" ctest --test-dir "$build/win" --output-on-failure --repeat until-pass:2

echo
echo "==== summary"
printf '%s\n' "${summary[@]}"
exit $status

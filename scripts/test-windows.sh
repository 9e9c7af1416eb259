#!/usr/bin/env bash
# Builds, without running, the engine's tests for 32-bit Windows; then cross-builds the
# program, its installer, the engine's tests and the program's driver for 64-bit Windows and
# runs them through CTest under wine, on a private X display, with a Chinese locale. Fails
# unless every test ran and passed.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)
root=$(pwd)/build-windows

# GoogleTest from the googletest package's sources, built with the same toolchain.
build_gtest() {
  local arch=$1
  [ -f "$root/gtest-$arch/lib/cmake/GTest/GTestConfig.cmake" ] && return
  cmake -S /usr/src/googletest -B "$root/gtest-$arch-build" -DCMAKE_TOOLCHAIN_FILE="$(pwd)/cmake/mingw-w64-$arch.cmake" \
    -DCMAKE_BUILD_TYPE=Debug -DCMAKE_INSTALL_PREFIX="$root/gtest-$arch" -Dgtest_disable_pthreads=OFF --log-level=WARNING
  cmake --build "$root/gtest-$arch-build" -j "$jobs" > /dev/null
  cmake --install "$root/gtest-$arch-build" > /dev/null
}

configure() {
  local arch=$1 folder=${2:-$root/$1}
  build_gtest "$arch"
  cmake -S . -B "$folder" -DCMAKE_TOOLCHAIN_FILE="$(pwd)/cmake/mingw-w64-$arch.cmake" -DCMAKE_BUILD_TYPE=Debug \
    -DVELMO_BUILD_BENCH=OFF -DGTest_DIR="$root/gtest-$arch/lib/cmake/GTest" --log-level=WARNING
}

# --configure-only FOLDER: a 64-bit build folder configured as below, and nothing run.
if [ "${1:-}" = "--configure-only" ]; then
  configure x86_64 "$2"
  exit
fi

# --walk: the program and its driver only, then the driver's walk (VELMO_WALK_SEED, VELMO_WALK_STEPS).
if [ "${1:-}" = "--walk" ]; then
  configure x86_64
  cmake --build "$root/x86_64" -j "$jobs" --target velmo-calc velmo-driver > /dev/null
  source scripts/wine-session.sh
  start_wine_session
  in_chinese wine "$root/x86_64/tests/win32/velmo-driver.exe" --gtest_filter='Walk.*'
  exit
fi

configure i686
cmake --build "$root/i686" -j "$jobs" --target engine_tests > /dev/null
echo "windows: i686 engine tests built"

configure x86_64
cmake --build "$root/x86_64" -j "$jobs" > /dev/null
cmake --build "$root/x86_64" --target package-windows > /dev/null # what the installer test installs

source scripts/wine-session.sh
start_wine_session
run_ctest() { in_chinese ctest --test-dir "$root/x86_64" "$@"; }
log=$(mktemp)
run_ctest --output-on-failure -j "$jobs" | tee "$log"
# The driver's own count of what it checked in the program, at each scale.
awk '/Testing: windows_(program|scales)$/ { on = 1 } on && /^\[  (PASSED|FAILED)  \]/ { print "windows: velmo-calc.exe under wine:", $0 }
  /"windows_(program|scales)" end time/ { on = 0 }' "$root/x86_64/Testing/Temporary/LastTest.log"
listed=$(run_ctest -N | sed -n 's/^Total Tests: //p')
ran=$(sed -n 's/.*tests failed out of \([0-9]*\)$/\1/p' "$log")
rm -f "$log"
# The engine's property test, the engine compiled alone, the driver at 96 DPI and at the other
# scales, and the installer test.
if [ "${listed:-0}" -lt 5 ] || [ "${ran:-0}" != "$listed" ]; then
  echo "windows: expected every one of ${listed:-0} tests to run, ${ran:-0} ran"
  exit 1
fi

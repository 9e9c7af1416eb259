#!/usr/bin/env bash
# Cross-builds the program, the engine's tests and the program's driver for 64-bit and for 32-bit
# Windows, the zips and the installer, and runs them through CTest under wine, on a private X
# display, with a Chinese locale: the 64-bit ones in a 64-bit prefix, the 32-bit ones in a 32-bit
# prefix where this machine runs 32-bit code (elsewhere CTest reports them skipped, with the
# reason). Fails unless every test ran, or was skipped for that reason, and none failed.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)
root=$(pwd)/build-windows
version=$(sed -n 's/^project(VelmoCalc VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)

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
  shift $(($# < 2 ? $# : 2))
  build_gtest "$arch"
  cmake -S . -B "$folder" -DCMAKE_TOOLCHAIN_FILE="$(pwd)/cmake/mingw-w64-$arch.cmake" -DCMAKE_BUILD_TYPE=Debug \
    -DVELMO_BUILD_BENCH=OFF -DVELMO_TEST_SEAMS=ON -DGTest_DIR="$root/gtest-$arch/lib/cmake/GTest" --log-level=WARNING "$@"
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

# The installer is 32-bit and carries both programs: the 64-bit one is built first.
installer=$root/i686/velmo-calc-$version-setup.exe
configure x86_64 "$root/x86_64" -DVELMO_INSTALLER="$installer"
cmake --build "$root/x86_64" -j "$jobs" > /dev/null
configure i686 "$root/i686" -DVELMO_PROGRAM_64="$root/x86_64/app/velmo-calc.exe"
cmake --build "$root/i686" -j "$jobs" > /dev/null
for arch in x86_64 i686; do
  cmake --build "$root/$arch" --target package-windows > /dev/null
done
echo "windows: built $(cd "$root" && ls x86_64/*.zip i686/*.zip i686/*-setup.exe | paste -s -d ' ')"

source scripts/wine-session.sh
start_wine_session
runs_32_bit=$(bash scripts/runs-32-bit.sh > /dev/null && echo yes || echo no)
if [ "$runs_32_bit" = yes ]; then
  # A 32-bit Windows of its own, where a 32-bit program runs natively; wine's 32-bit loader.
  (
    export WINEPREFIX=$root/wineprefix-32 WINEARCH=win32 WINELOADER=/usr/lib/wine/wine
    start_wine
  )
  trap 'WINEPREFIX=$root/wineprefix-32 wineserver -k 2> /dev/null || true; stop_wine; end_session' EXIT
fi

failed=0
for arch in x86_64 i686; do
  log=$(mktemp)
  if [ "$arch" = i686 ] && [ "$runs_32_bit" = yes ]; then
    export WINEPREFIX=$root/wineprefix-32 WINEARCH=win32 WINELOADER=/usr/lib/wine/wine
  fi
  in_chinese ctest --test-dir "$root/$arch" --output-on-failure -j "$jobs" | tee "$log" || failed=1
  # The driver's own count of what it checked in the program, at each scale.
  awk -v arch="$arch" '/Testing: windows_(program|scales)$/ { on = 1 }
    on && /^\[  (PASSED|FAILED)  \]/ { print "windows (" arch "): velmo-calc.exe under wine:", $0 }
    on && /^velmo-calc.exe for / { print "windows (" arch "):", $0 }
    /"windows_(program|scales)" end time/ { on = 0 }' "$root/$arch/Testing/Temporary/LastTest.log"
  # What did not run, and why.
  awk -v arch="$arch" '/^[0-9]+\/[0-9]+ Testing: / { name = $3 } /^skipped: / { print "windows (" arch "):", name, $0 }' \
    "$root/$arch/Testing/Temporary/LastTest.log"
  listed=$(in_chinese ctest --test-dir "$root/$arch" -N | sed -n 's/^Total Tests: //p')
  ran=$(sed -n 's/.*tests failed out of \([0-9]*\)$/\1/p' "$log")
  rm -f "$log"
  if [ "${ran:-0}" != "$listed" ]; then
    echo "windows ($arch): expected every one of ${listed:-0} tests to run, ${ran:-0} ran"
    failed=1
  fi
done
exit $failed

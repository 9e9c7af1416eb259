#!/usr/bin/env bash
# Mutation of the Windows front end (make mutate-windows): ../shared/tools/mutate.py plants one
# fault at a time in ui/win32/*.cpp and app/WinMain.cpp, rebuilds velmo-calc.exe in its own
# build folder and drives it under wine with the driver, which stops at its first failure: every
# story and window check at 96 DPI, then the window checks at 144 DPI in a second prefix kept
# at that scale. One display and one wineserver per prefix serve the whole run.
# Usage: scripts/mutate-windows.sh SEED SAMPLE
set -euo pipefail
cd "$(dirname "$0")/.."
seed=$1 sample=$2
root=$(pwd)/build-windows
build=$root/mutate
mutate=$(pwd)/../shared/tools/mutate.py

# A build that makes only what a mutant changes: the program and the driver, no installer.
bash scripts/test-windows.sh --configure-only "$build"
cmake --build "$build" -j "$(nproc)" --target velmo-calc velmo-driver > /dev/null

source scripts/wine-session.sh
start_wine_session
scaled=$root/wineprefix-144
(
  export WINEPREFIX=$scaled
  start_wine
  set_dpi 144
)
trap 'WINEPREFIX=$scaled wineserver -k 2> /dev/null || true; stop_wine; end_session' EXIT

driver=$build/tests/win32/velmo-driver.exe
# mutate.py runs it through /bin/sh, where no shell function reaches.
chinese="env LC_ALL=zh_CN.UTF-8 LANG=zh_CN.UTF-8"
drive="$chinese wine $driver --gtest_fail_fast --gtest_brief=1 &&
  WINEPREFIX=$scaled $chinese wine $driver --gtest_fail_fast --gtest_brief=1 --gtest_filter='MainWindow.*:AboutWindow.*'"
# A fault counts as caught only where the unchanged program passes.
sh -c "$drive" > /dev/null || { echo "mutate-windows: the driver fails on the unchanged program" >&2; exit 1; }
python3 "$mutate" --src . --build "$build" --files 'ui/win32/*.cpp' 'app/WinMain.cpp' --seed "$seed" \
  --sample "$sample" --timeout 240 --test "$drive"

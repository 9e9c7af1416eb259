#!/usr/bin/env bash
# Runs the driver's window checks at each display scale, with the prefix's LogPixels set and
# wineserver restarted, as Windows asks a user to sign in again; then back at 96 DPI. Runs in
# the wine session of scripts/test-windows.sh, alone.
set -euo pipefail
driver=$1
set_dpi() {
  local key
  for key in 'HKCU\Control Panel\Desktop' 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts'; do
    wine reg add "$key" /v LogPixels /t REG_DWORD /d "$1" /f > /dev/null 2>&1
  done
  wineserver -k 2> /dev/null || true
  wineserver -w
  # The server and wine's services outlive this script: they must hold none of its output, or
  # whoever reads it would wait for them.
  wineserver -p > /dev/null 2>&1
  wine cmd /c exit > /dev/null 2>&1
}
trap 'set_dpi 96' EXIT
for dpi in 120 144 192; do
  set_dpi "$dpi"
  VELMO_EXPECTED_DPI=$dpi wine "$driver" --gtest_filter='MainWindow.*:AboutWindow.*' --gtest_brief=1 |
    sed "s/^\[  PASSED  \]/[  PASSED  ] at $dpi DPI:/"
done

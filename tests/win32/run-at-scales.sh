#!/usr/bin/env bash
# Runs the driver's window checks at each display scale, then sets the prefix back at 96 DPI.
# Runs in the wine session of scripts/test-windows.sh, alone.
set -euo pipefail
driver=$1
source "$(dirname "$0")/../../scripts/wine-session.sh"
trap 'set_dpi 96' EXIT
for dpi in 120 144 192; do
  set_dpi "$dpi"
  VELMO_EXPECTED_DPI=$dpi wine "$driver" --gtest_filter='MainWindow.*:AboutWindow.*' --gtest_brief=1 |
    sed "s/^\[  PASSED  \]/[  PASSED  ] at $dpi DPI:/"
done

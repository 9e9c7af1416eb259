#!/usr/bin/env bash
# The Windows program as a user gets it (Release, stripped): its size, and its cold start to a
# mapped window under wine against the floor window (what a user sees, drawn plainly), in the same
# run, with the memory of both.
# Usage: scripts/cold-start-windows.sh <configured release build folder> (make bench-windows)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(cd "$1" && pwd)
cmake --build "$build" -j "$(nproc)" --target velmo-calc velmo-floor-window velmo-cold-start > /dev/null
echo "velmo-calc.exe: $(stat -c %s "$build/app/velmo-calc.exe") bytes," \
  "importing $(x86_64-w64-mingw32-objdump -p "$build/app/velmo-calc.exe" | sed -n 's/.*DLL Name: //p' | sort | paste -s -d ' ')"

source scripts/wine-session.sh
start_wine_session
in_chinese wine "$build/bench/velmo-cold-start.exe" "${ROUNDS:-15}" "$build/app/velmo-calc.exe" VelmoForm1 \
  "$build/bench/velmo-floor-window.exe" VelmoFloorWindow

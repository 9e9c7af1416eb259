#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop needs there: a valid
# desktop entry whose program and icons are installed, and valid AppStream metainfo. The
# installed program carries no search path, and starts. (make package checks the .deb.)
set -euo pipefail
build_dir=$(cd "$1" && pwd)
work=$(mktemp -d) app=com.example.VelmoCalc
trap 'rm -rf "$work"' EXIT
cmake --install "$build_dir" --prefix "$work" > /dev/null
desktop-file-validate "$work/share/applications/$app.desktop"
appstreamcli validate --no-net --pedantic "$work/share/metainfo/$app.metainfo.xml" > /dev/null
test -x "$work/bin/$(sed -n 's/^Exec=//p' "$work/share/applications/$app.desktop")"
for size in 32x32 256x256; do test -s "$work/share/icons/hicolor/$size/apps/$app.png"; done
! readelf -d "$work/bin/velmo-calc" | grep -q -E 'RUNPATH|RPATH' || { echo "the installed program has a search path"; exit 1; }
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$work/bin/velmo-calc" 2> /dev/null || status=$?
[ "$status" -eq 124 ] || { echo "the installed program ended by itself ($status)"; exit 1; }
echo "installed into $work"

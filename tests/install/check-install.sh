#!/usr/bin/env bash
# Installs the build into a temporary prefix, and builds the Debian package and unpacks it
# into a temporary root; checks in both what a desktop needs: a valid desktop entry whose
# program and icons are installed, and valid AppStream metainfo. The packaged program
# must carry no search path, depend on Qt's widgets, and start.
set -euo pipefail
build_dir=$(cd "$1" && pwd)
work=$(mktemp -d) app=com.example.VelmoCalc
trap 'rm -rf "$work"' EXIT
check_tree() {
  desktop-file-validate "$1/share/applications/$app.desktop"
  appstreamcli validate --no-net --pedantic "$1/share/metainfo/$app.metainfo.xml" > /dev/null
  test -x "$1/bin/$(sed -n 's/^Exec=//p' "$1/share/applications/$app.desktop")"
  for size in 32x32 256x256; do test -s "$1/share/icons/hicolor/$size/apps/$app.png"; done
  ! readelf -d "$1/bin/velmo-calc" | grep -q -E 'RUNPATH|RPATH'
}
cmake --install "$build_dir" --prefix "$work/prefix" > /dev/null
check_tree "$work/prefix"
(cd "$work" && cpack -G DEB --config "$build_dir/CPackConfig.cmake" > /dev/null)
deb=$(ls "$work"/velmo-calc_*_amd64.deb)
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6
dpkg-deb -x "$deb" "$work/root"
check_tree "$work/root/usr"
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$work/root/usr/bin/velmo-calc" 2> /dev/null || status=$?
[ "$status" -eq 124 ] || { echo "the packaged program ended by itself ($status)"; exit 1; }
echo "installed and packaged: $(basename "$deb")"

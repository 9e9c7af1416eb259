#!/usr/bin/env bash
# Builds the Debian package and checks what it installs, unpacked: a valid desktop entry whose
# program and icons are there, valid AppStream metainfo, the manual pages, the recommended CJK
# font and Qt catalog; the program carries no search path, and starts. (make package runs lintian.)
set -euo pipefail
build_dir=$(cd "$1" && pwd)
work=$(mktemp -d) app=com.example.VelmoCalc
trap 'rm -rf "$work"' EXIT
(cd "$build_dir" && cpack -G DEB -B "$work/deb" > /dev/null)
deb=$(ls "$work"/deb/velmo-calc_*.deb)
dpkg-deb -x "$deb" "$work/root"
usr=$work/root/usr
[ "$(dpkg-deb -f "$deb" Recommends)" = "fonts-noto-cjk, qt6-translations-l10n" ] || { echo "Recommends is wrong"; exit 1; }
desktop-file-validate "$usr/share/applications/$app.desktop"
appstreamcli validate --no-net --pedantic "$usr/share/metainfo/$app.metainfo.xml" > /dev/null
test -x "$usr/bin/$(sed -n 's/^Exec=//p' "$usr/share/applications/$app.desktop")"
for size in 32x32 256x256; do test -s "$usr/share/icons/hicolor/$size/apps/$app.png"; done
for page in man1 zh_CN/man1; do test -s "$usr/share/man/$page/velmo-calc.1.gz"; done
! readelf -d "$usr/bin/velmo-calc" | grep -q -E 'RUNPATH|RPATH' || { echo "the installed program has a search path"; exit 1; }
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$usr/bin/velmo-calc" 2> /dev/null || status=$?
[ "$status" -eq 124 ] || { echo "the installed program ended by itself ($status)"; exit 1; }
echo "unpacked $(basename "$deb") into $work/root"

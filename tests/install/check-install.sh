#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop needs to find
# the program: a valid .desktop entry whose executable and icon are installed.
set -euo pipefail
build_dir=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build_dir" --prefix "$prefix" > /dev/null

desktop="$prefix/share/applications/com.example.VelmoCalc.desktop"
desktop-file-validate "$desktop"

field() { sed -n "s/^$1=//p" "$desktop"; }
exec_name=$(field Exec)
icon_name=$(field Icon)
test -x "$prefix/bin/$exec_name" || { echo "not installed: bin/$exec_name"; exit 1; }
for size in 32x32 256x256; do
  icon="$prefix/share/icons/hicolor/$size/apps/$icon_name.png"
  test -s "$icon" || { echo "not installed: $icon"; exit 1; }
done
test -s "$prefix/share/metainfo/com.example.VelmoCalc.metainfo.xml"
echo "installed and valid: $desktop"

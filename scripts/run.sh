#!/usr/bin/env bash
# Starts the calculator; without a display, works one example offscreen and saves it as a PNG.
set -euo pipefail
build_dir=${1:-build}

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$build_dir/app/velmo-calc"
fi

echo "No display found: working 1 1/2 + 1 1/2 offscreen and saving the window as a picture instead."
out="$(cd "$build_dir" && pwd)/velmo-example.png"
QT_QPA_PLATFORM=offscreen "$build_dir/tools/velmo-snapshot" "$out" 2> >(grep -v XDG_RUNTIME_DIR >&2)

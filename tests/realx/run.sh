#!/usr/bin/env bash
# The calculator on a real X server: Xvfb with openbox, a private session bus with the
# accessibility bus, real input through xdotool, the fields read through AT-SPI (check.py).
# Ends every process it started, by its id.
set -euo pipefail
program=$1
pids=()
# Last started, first ended: the X server goes after its clients.
cleanup() { for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2> /dev/null || true; done; }
trap cleanup EXIT

display=:$((100 + $$ % 400))
Xvfb "$display" -screen 0 640x480x24 -nolisten tcp 2> /dev/null & pids+=($!)
export DISPLAY=$display
for _ in $(seq 100); do xdpyinfo > /dev/null 2>&1 && break; sleep 0.05; done
bus=$(mktemp)
dbus-daemon --session --fork --print-address=1 --print-pid=1 > "$bus"
DBUS_SESSION_BUS_ADDRESS=$(sed -n 1p "$bus") && pids+=("$(sed -n 2p "$bus")") && rm -f "$bus"
export DBUS_SESSION_BUS_ADDRESS
/usr/libexec/at-spi-bus-launcher --launch-immediately & pids+=($!)
openbox --sm-disable 2> /dev/null & pids+=($!)
sleep 0.5
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" 2> /dev/null & app=$!
pids+=("$app")
/usr/bin/python3 "$(dirname "$0")/check.py" "$app"

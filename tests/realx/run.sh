#!/usr/bin/env bash
# The calculator on a real X server: Xvfb with openbox, a private session bus with the
# accessibility bus, real input through xdotool, the fields read through AT-SPI (check.py).
# Ends every process it started, by its id, the X server last.
set -euo pipefail
source "$(dirname "$0")/../../scripts/x-session.sh"
pids=()
trap end_session EXIT
start_x_server
read -r DBUS_SESSION_BUS_ADDRESS bus_pid < <(dbus-daemon --session --fork --print-address=1 --print-pid=1 | paste -s -d ' ')
export DBUS_SESSION_BUS_ADDRESS && pids+=("$bus_pid")
/usr/libexec/at-spi-bus-launcher --launch-immediately & pids+=($!)
start_window_manager
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$1" 2> /dev/null & pids+=($!)
/usr/bin/python3 "$(dirname "$0")/check.py" "${pids[-1]}" <("$2")

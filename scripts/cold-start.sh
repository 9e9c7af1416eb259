#!/usr/bin/env bash
# Cold start to a mapped window under Xvfb with openbox, for the calculator and for the bare
# Qt window of the benchmarks, in the same run: the median of ROUNDS starts each, their
# ratio, and the calculator's resident memory once its window is mapped.
set -euo pipefail
build_dir=${1:-build}
rounds=${ROUNDS:-15}
source "$(dirname "$0")/x-session.sh"
pids=()
trap end_session EXIT
start_x_server
start_window_manager

# Milliseconds from exec until a visible window with the title shows, then resident KiB.
start_once() {
  local program=$1 title=$2 begin pid
  begin=$(date +%s%N)
  QT_QPA_PLATFORM=xcb "$program" 2> /dev/null & pid=$!
  until xdotool search --onlyvisible --name "$title" > /dev/null 2>&1; do
    kill -0 "$pid" 2> /dev/null || { echo "$program ended before its window showed" >&2; exit 1; }
  done
  local ms=$((($(date +%s%N) - begin) / 1000000))
  sleep 0.3
  echo "$ms $(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status")"
  kill "$pid"
  wait "$pid" 2> /dev/null || true
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

calc=() bare=() rss=()
for _ in $(seq "$rounds"); do
  read -r ms kib < <(start_once "$build_dir/app/velmo-calc" 'V1.1$')
  calc+=("$ms") rss+=("$kib")
  read -r ms kib < <(start_once "$build_dir/bench/velmo-bare-window" '^bare window$')
  bare+=("$ms")
done
c=$(printf '%s\n' "${calc[@]}" | median)
b=$(printf '%s\n' "${bare[@]}" | median)
r=$(printf '%s\n' "${rss[@]}" | median)
echo "cold start to a mapped window, median of $rounds: calculator $c ms, bare Qt window $b ms," \
  "ratio $(awk "BEGIN { printf \"%.2f\", $c / $b }"); calculator resident memory $((r / 1024)) MiB"

#!/usr/bin/env bash
# Runs one of the window tests RUNS times (default 50) while a clean build of the whole project
# keeps both cores busy beside it, and prints how many passed. Not part of CI: run it after
# touching a window test or the sessions it starts.
#   scripts/stress.sh real-x [runs]    the real-X test, from build/
#   scripts/stress.sh windows [runs]   the Windows program's driver under wine, from build-windows/x86_64
set -uo pipefail
cd "$(dirname "$0")/.."
which=${1:?real-x or windows} runs=${2:-50}
load_dir=$(mktemp -d)
cmake -S . -B "$load_dir" -DVELMO_BUILD_BENCH=OFF --log-level=WARNING > /dev/null
# Its own process group, so that it ends whole, compilers included.
setsid bash -c "while :; do cmake --build '$load_dir' --clean-first -j $(nproc) > /dev/null 2>&1; done" &
load=$!
if [ "$which" = windows ]; then
  source scripts/wine-session.sh
  start_wine_session
  run() { in_chinese ctest --test-dir build-windows/x86_64 -R '^windows_program$' --output-on-failure; }
else
  run() { ctest --test-dir build -R '^real_x$' --output-on-failure; }
fi
trap 'kill -- -$load 2> /dev/null; rm -rf "$load_dir"; [ "$which" = windows ] && stop_wine && end_session' EXIT
passed=0
for i in $(seq "$runs"); do
  if run > "$load_dir/run.log" 2>&1; then
    passed=$((passed + 1))
  else
    echo "run $i failed:"
    cat "$load_dir/run.log"
  fi
done
echo "$which under load: $passed passed, $((runs - passed)) failed"

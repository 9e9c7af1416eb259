#!/usr/bin/env bash
# Runs the real-X test RUNS times (default 50) while a build keeps both cores busy beside it,
# and prints how many passed. Not part of CI: run it after touching the real-X test or the
# X session it starts. Usage: scripts/stress-real-x.sh [build-dir] [runs]
set -uo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build} runs=${2:-50}
load_dir=$(mktemp -d)
cmake -S . -B "$load_dir" -DVELMO_BUILD_BENCH=OFF --log-level=WARNING > /dev/null
# The load: a clean build of the whole project, over and over, on every core.
# Its own process group, so that it ends whole, compilers included.
setsid bash -c "while :; do cmake --build '$load_dir' --clean-first -j $(nproc) > /dev/null 2>&1; done" &
load=$!
trap 'kill -- -$load 2> /dev/null; rm -rf "$load_dir"' EXIT
passed=0
for i in $(seq "$runs"); do
  if ctest --test-dir "$build_dir" -R '^real_x$' --output-on-failure > "$load_dir/run.log" 2>&1; then
    passed=$((passed + 1))
  else
    echo "run $i failed:"
    cat "$load_dir/run.log"
  fi
done
echo "real_x under load: $passed passed, $((runs - passed)) failed"

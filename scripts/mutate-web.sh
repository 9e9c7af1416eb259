#!/usr/bin/env bash
# Mutation of the browser version (make mutate-web): ../shared/tools/mutate.py plants one fault at
# a time, first in ui/web/page.js and ui/web/Bindings.cpp (rebuilt in build-web, where a page.js
# that no longer parses does not build), then in ui/web/PageGenerator.cpp (rebuilt in
# build-web/tools, the site then written again), and runs the browser tests, the quickest first,
# stopping at the first failure. SAMPLE mutants are drawn from each of the two.
# Usage: scripts/mutate-web.sh SEED SAMPLE
set -euo pipefail
cd "$(dirname "$0")/.."
seed=$1 sample=$2
web=$(pwd)/build-web
mutate=$(pwd)/../shared/tools/mutate.py

bash scripts/build-web.sh "$web" > /dev/null
# mutate.py rebuilds with plain cmake: emscripten needs Debian's node modules, as in build-web.sh.
export NODE_PATH=/usr/share/nodejs
bash scripts/test-web.sh -N > /dev/null # puppeteer-core in place
run="ctest --test-dir $web --stop-on-failure --timeout 300 -Q"
drive="$run -R '^web_(engine_agrees|accessibility|offline|start|layout|stories)\$' && $run -R '^web_walk\$' &&
  $run -R '^web_(next_build|update)\$'"
# A fault counts as caught only where the unchanged site passes.
sh -c "$drive" || { echo "mutate-web: the browser tests fail on the unchanged site" >&2; exit 1; }
python3 "$mutate" --src . --build "$web" --files 'ui/web/page.js' 'ui/web/Bindings.cpp' --seed "$seed" \
  --sample "$sample" --timeout 900 --test "$drive"
python3 "$mutate" --src . --build "$web/tools" --files 'ui/web/PageGenerator.cpp' --seed "$seed" \
  --sample "$sample" --timeout 900 --test "cmake --build $web > /dev/null && $drive"

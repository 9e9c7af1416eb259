#!/usr/bin/env bash
# The browser tests: puppeteer-core as package-lock.json pins it, in build-web/node (it never
# downloads a browser: Debian's chromium is driven), then every test through CTest (or those
# the arguments choose).
set -euo pipefail
cd "$(dirname "$0")/.."
node_dir=build-web/node
if ! cmp -s tests/web/package-lock.json "$node_dir/package-lock.json" || [ ! -d "$node_dir/node_modules" ]; then
  mkdir -p "$node_dir"
  cp tests/web/package.json tests/web/package-lock.json "$node_dir"/
  (cd "$node_dir" && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --ignore-scripts --no-audit --no-fund)
fi
ctest --test-dir build-web --output-on-failure "$@"

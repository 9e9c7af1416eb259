#!/usr/bin/env bash
# The browser version: the page's tools built natively (build-web/tools), then the engine with
# emscripten and the site (build-web/site).
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)
common=(-DVELMO_BUILD_WEB=ON -DVELMO_BUILD_QT=OFF -DVELMO_BUILD_BENCH=OFF --log-level=WARNING)
cmake -S . -B build-web/tools -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF "${common[@]}"
cmake --build build-web/tools -j "$jobs"
# Debian's emscripten needs the node modules Debian installs, which this node may not search.
export NODE_PATH=/usr/share/nodejs
emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=MinSizeRel -DVELMO_WEB_TOOLS="$PWD/build-web/tools" "${common[@]}" > /dev/null
cmake --build build-web -j "$jobs"

#!/usr/bin/env bash
# The browser version: the page's tools built natively (BUILD/tools), then the engine with
# emscripten and the site (BUILD/site). BUILD is build-web unless given; any further arguments
# go to both configurations.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath -m "${1:-build-web}")
shift $(($# > 0 ? 1 : 0))
jobs=$(nproc)
common=(-DVELMO_BUILD_WEB=ON -DVELMO_BUILD_QT=OFF -DVELMO_BUILD_BENCH=OFF --log-level=WARNING "$@")
cmake -S . -B "$build/tools" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF "${common[@]}"
cmake --build "$build/tools" -j "$jobs"
# Debian's emscripten needs the node modules Debian installs, which this node may not search.
export NODE_PATH=/usr/share/nodejs
emcmake cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=MinSizeRel -DVELMO_WEB_TOOLS="$build/tools" "${common[@]}" > /dev/null
cmake --build "$build" -j "$jobs"

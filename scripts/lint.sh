#!/usr/bin/env bash
# Static analysis of the program's own code: the layout (.clang-format) of every C++ file,
# then clang-tidy (rules in .clang-tidy) and cppcheck, the Linux sources with the build's
# compile commands, the Windows sources with those of a mingw-w64 configuration made here.
set -euo pipefail
build_dir=${1:-build}
windows_dir=build-windows/lint
web_dir=build-web/tools
windows_sources=$(git ls-files 'ui/win32/*.cpp' 'app/WinMain.cpp')
# The page's tool is built natively apart; the bindings need emscripten's headers, and only
# cppcheck reads them.
web_tool=ui/web/PageGenerator.cpp
web_sources=$(git ls-files 'ui/web/*.cpp')
sources=$(git ls-files 'engine/*.cpp' 'ui/*.cpp' 'app/*.cpp' | grep -v -x -F "$windows_sources" | grep -v -x -F "$web_sources")

echo "clang-format: $(git ls-files '*.cpp' '*.h' | wc -l) files"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

tidy() { xargs -P "$(nproc)" -n 1 clang-tidy --quiet "$@" 2> >(grep -v -E '^[0-9]+ warnings? generated' >&2); }
echo "clang-tidy: $(echo "$sources" | wc -w) files"
echo "$sources" | tidy -p "$build_dir"

echo "clang-tidy, the page's tool"
cmake -S . -B "$web_dir" -DVELMO_BUILD_WEB=ON -DVELMO_BUILD_QT=OFF -DVELMO_BUILD_BENCH=OFF -DBUILD_TESTING=OFF \
  --log-level=WARNING > /dev/null
echo "$web_tool" | tidy -p "$web_dir"

echo "clang-tidy, Windows: $(echo "$windows_sources" | wc -w) files"
cmake -S . -B "$windows_dir" -DCMAKE_TOOLCHAIN_FILE="$(pwd)/cmake/mingw-w64-x86_64.cmake" -DBUILD_TESTING=OFF \
  -DVELMO_BUILD_BENCH=OFF --log-level=WARNING > /dev/null
cxx=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")/include/c++
echo "$windows_sources" | tidy -p "$windows_dir" --extra-arg=--target=x86_64-w64-mingw32 \
  --extra-arg=-isystem"$cxx" --extra-arg=-isystem"$cxx/x86_64-w64-mingw32" --extra-arg=-isystem"$cxx/backward"

echo "cppcheck"
check() {
  cppcheck --quiet --error-exitcode=1 --std=c++20 --language=c++ --enable=warning,style,performance,portability \
    --inline-suppr --suppress=missingIncludeSystem --suppress=unusedFunction --suppress=unmatchedSuppression \
    -I engine -I ui "$@"
}
check --library=qt $sources $web_sources
check --library=windows -I ui/win32 -I "$windows_dir/ui/generated" $windows_sources
echo "lint clean"

#!/usr/bin/env bash
# Static analysis of the program's own code: the layout (.clang-format) of every C++ file,
# then clang-tidy (rules in .clang-tidy) and cppcheck. Needs a configured build directory
# for its compile commands.
set -euo pipefail
build_dir=${1:-build}
sources=$(git ls-files 'engine/*.cpp' 'ui/*.cpp' 'app/*.cpp')

echo "clang-format: $(git ls-files '*.cpp' '*.h' | wc -l) files"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

echo "clang-tidy: $(echo "$sources" | wc -w) files"
echo "$sources" | xargs -P "$(nproc)" -n 1 clang-tidy -p "$build_dir" --quiet 2> >(grep -v -E '^[0-9]+ warnings? generated' >&2)

echo "cppcheck"
cppcheck --quiet --error-exitcode=1 --std=c++20 --language=c++ --library=qt \
  --enable=warning,style,performance,portability --inline-suppr \
  --suppress=missingIncludeSystem --suppress=unusedFunction --suppress=unmatchedSuppression \
  -I engine -I ui $sources
echo "lint clean"

#!/usr/bin/env bash
# Installs the Debian packages the calculator needs, and only those that are missing.
# Safe to run again and again: with everything present it does nothing.
# --windows: also what the Windows cross-build and its test run need (make test-windows).
# --web: also what the browser version and its test need (make web, make test-web): emscripten,
# fonttools with Brotli for the font subset, and chromium for the test.
# A package index that cannot be read (a mirror in the middle of a sync) is only a warning: the
# lists at hand usually still hold every package. It fails only when a needed package cannot be
# installed, and names it.
set -euo pipefail

packages=(
  make cmake g++ pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev libboost-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-translations-l10n qt6-qpa-plugins
  fonts-noto-cjk
  desktop-file-utils
  clang libclang-rt-14-dev clang-tidy clang-format cppcheck
  xvfb xauth x11-utils openbox xdotool dbus at-spi2-core python3-pyatspi
  dpkg-dev lintian appstream
)
if [ "${1:-}" = "--windows" ]; then
  packages+=(g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix googletest wine wine64 wine64-preloader fonts-wine
    nsis locales)
fi
if [ "${1:-}" = "--web" ]; then
  packages+=(emscripten python3-fonttools python3-brotli chromium)
fi

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive

installed() {
  dpkg-query -W -f='${Status}' "$1" 2> /dev/null | grep -q 'ok installed'
}

update_lists() {
  $sudo apt-get update -qq || echo "warning: apt-get update failed; installing from the package lists at hand" >&2
}

# Installs the packages named, all at once; if that fails, one by one, so that the ones that
# cannot be installed are named. Returns 1 if any is left missing.
install() {
  $sudo apt-get install -y -qq --no-install-recommends "$@" && return
  local failed=()
  for p in "$@"; do
    installed "$p" || $sudo apt-get install -y -qq --no-install-recommends "$p" || failed+=("$p")
  done
  [ ${#failed[@]} -eq 0 ] && return
  echo "cannot install: ${failed[*]}" >&2
  return 1
}

missing=()
for p in "${packages[@]}"; do
  installed "$p" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  update_lists
  install "${missing[@]}"
fi

# 32-bit Windows programs (the 32-bit calculator, its installer) need wine32, from the i386
# architecture, and only where the kernel runs 32-bit code: elsewhere wine32 would stop every wine
# program from starting. The 32-bit loader tells, once the 32-bit C library is there. Without
# wine32 the 32-bit tests are skipped with the reason (scripts/runs-32-bit.sh), and the 64-bit
# ones still run.
if [ "${1:-}" = "--windows" ]; then
  if [ ! -e /lib/ld-linux.so.2 ]; then
    $sudo dpkg --add-architecture i386
    update_lists
    install libc6:i386 || true
  fi
  if bash "$(dirname "$0")/runs-32-bit.sh" --kernel > /dev/null; then
    if ! installed wine32:i386; then
      echo "Installing: wine32:i386"
      $sudo dpkg --add-architecture i386
      update_lists
      install wine32:i386 || echo "wine32 cannot be installed: the 32-bit Windows tests will be skipped."
    fi
  else
    echo "This machine's kernel runs no 32-bit code: the 32-bit Windows tests will be skipped."
  fi
fi

# Wine names files in the host's character set: the programs under wine need a Chinese UTF-8
# locale for Chinese folder names, and for wine's own texts in Chinese.
if [ "${1:-}" = "--windows" ] && ! locale -a 2> /dev/null | grep -q -x -i 'zh_CN.utf8'; then
  echo "Generating the zh_CN.UTF-8 locale"
  $sudo localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
fi

#!/usr/bin/env bash
# Installs the Debian packages the calculator needs, and only those that are missing.
# Safe to run again and again: with everything present it does nothing.
# --windows: also what the Windows cross-build and its test run need (make test-windows).
# --web: also what the browser version and its test need (make web, make test-web): emscripten,
# fonttools with Brotli for the font subset, and chromium for the test.
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

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed'; then
    missing+=("$p")
  fi
done

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# 32-bit Windows programs (the 32-bit calculator, its installer) need wine32, from the i386
# architecture, and only where the kernel runs 32-bit code: elsewhere wine32 would stop every wine
# program from starting. The 32-bit loader tells, once the 32-bit C library is there.
if [ "${1:-}" = "--windows" ]; then
  export DEBIAN_FRONTEND=noninteractive
  if [ ! -e /lib/ld-linux.so.2 ]; then
    $sudo dpkg --add-architecture i386
    $sudo apt-get update -qq
    $sudo apt-get install -y -qq --no-install-recommends libc6:i386
  fi
  if bash "$(dirname "$0")/runs-32-bit.sh" > /dev/null; then
    if ! dpkg-query -W -f='${Status}' wine32:i386 2> /dev/null | grep -q 'ok installed'; then
      echo "Installing: wine32:i386"
      $sudo dpkg --add-architecture i386
      $sudo apt-get update -qq
      $sudo apt-get install -y -qq --no-install-recommends wine32:i386
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

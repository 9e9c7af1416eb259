#!/usr/bin/env bash
# How CTest runs a 32-bit Windows program: under wine in the 32-bit prefix the caller names,
# or skipped, with the reason, where this machine runs no 32-bit code.
bash "$(dirname "$0")/runs-32-bit.sh" || exit
exec wine "$@"

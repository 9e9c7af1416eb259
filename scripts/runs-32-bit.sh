#!/usr/bin/env bash
# Succeeds where 32-bit Windows programs can run here; elsewhere says why on one line and exits
# with 77, which the 32-bit tests take as skipped. Some kernels have 32-bit emulation switched
# off, and there the 32-bit loader cannot even start; and the 32-bit wine may not have been
# installable. --kernel: asks only about the kernel.
if ! /lib/ld-linux.so.2 --version > /dev/null 2>&1; then
  echo "skipped: this machine's kernel runs no 32-bit code"
  exit 77
fi
if [ "${1:-}" != "--kernel" ] && ! dpkg-query -W -f='${Status}' wine32:i386 2> /dev/null | grep -q 'ok installed'; then
  echo "skipped: wine32, the 32-bit wine, is not installed (apt could not install it)"
  exit 77
fi

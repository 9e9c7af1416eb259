#!/usr/bin/env bash
# Succeeds where this machine's kernel runs 32-bit code; elsewhere says so on one line and
# exits with 77, which the 32-bit tests take as skipped. Some kernels have 32-bit emulation
# switched off, and there the 32-bit loader cannot even start.
if ! /lib/ld-linux.so.2 --version > /dev/null 2>&1; then
  echo "skipped: this machine's kernel runs no 32-bit code"
  exit 77
fi

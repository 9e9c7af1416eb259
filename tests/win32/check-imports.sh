#!/usr/bin/env bash
# velmo-calc.exe starts on Windows 7: it imports only system libraries Windows 7 has, and none of
# the functions later Windows added, which it looks up at run time instead.
set -euo pipefail
objdump=$1 exe=$2
dump=$("$objdump" -p "$exe")
libraries=$(sed -n 's/.*DLL Name: //p' <<< "$dump" | tr '[:lower:]' '[:upper:]' | sort | paste -s -d ' ')
expected="COMCTL32.DLL GDI32.DLL KERNEL32.DLL MSVCRT.DLL OLE32.DLL OLEAUT32.DLL USER32.DLL"
if [ "$libraries" != "$expected" ]; then
  echo "imports $libraries; expected $expected"
  exit 1
fi
for later in GetDpiForWindow UiaRaiseNotificationEvent UiaHostProviderFromHwnd; do
  if grep -q -w "$later" <<< "$dump"; then
    echo "imports $later, which Windows 7 lacks"
    exit 1
  fi
done
echo "imports $libraries"

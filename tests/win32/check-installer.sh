#!/usr/bin/env bash
# The Windows installer under wine, as a user without administrator rights meets it: a silent
# install (files, Start-menu shortcut, uninstall entry with its values), the program started
# from its shortcut, a second install over the first, and a silent uninstall that leaves
# nothing behind. Runs in the wine session of scripts/test-windows.sh.
set -euo pipefail
setup=$1
# The installer starts on 32-bit and 64-bit Windows alike: it is 32-bit code.
bash "$(dirname "$0")/../../scripts/runs-32-bit.sh" || exit
source "$(dirname "$0")/../../scripts/x-session.sh" # wait_for
name=Velmo分数计算器
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\VelmoCalc'
folder() { wine winepath -u "$(wine cmd /c echo "%$1%" | tr -d '\r')" | tr -d '\r'; }
dir="$(folder LOCALAPPDATA)/Programs/$name"
shortcut="$(folder APPDATA)/Microsoft/Windows/Start Menu/Programs/$name.lnk"
# reg writes to a pipe in the Chinese ANSI code page.
value() { wine reg query "$key" /v "$1" 2> /dev/null | iconv -f GBK -t UTF-8 | tr -d '\r' | sed -n "s/^ *$1 *REG_[A-Z]* *//p"; }
fail() { echo "installer: $*" >&2; exit 1; }

install() {
  wine "$setup" /S
  for file in velmo-calc.exe uninstall.exe LICENSE.txt readme.txt; do [ -f "$dir/$file" ] || fail "no $file in $dir"; done
  [ -f "$shortcut" ] || fail "no Start-menu shortcut"
  [ "$(value DisplayName)" = "$name" ] || fail "DisplayName is '$(value DisplayName)'"
  [ "$(value DisplayVersion)" = "$2" ] || fail "DisplayVersion is '$(value DisplayVersion)'"
  for entry in Publisher DisplayIcon UninstallString; do [ -n "$(value $entry)" ] || fail "no $entry"; done
  [ "$(value NoModify)" = 0x1 ] && [ "$(value NoRepair)" = 0x1 ] || fail "NoModify or NoRepair not set"
  [ "$(($(value EstimatedSize)))" -gt 100 ] || fail "EstimatedSize is '$(value EstimatedSize)'"
  echo "installer: $1 install in place"
}

program() { pgrep -f "Programs.$name.velmo-calc.exe" || true; }
install first "$(basename "$setup" | sed 's/velmo-calc-\(.*\)-setup.exe/\1/')"
wine start /unix "$shortcut"
wait_for 20 "the program started from its shortcut to show its window" \
  xdotool search --onlyvisible --name "^$name V"
kill "$(program)"
wait_for 10 "the started program to end" test -z "$(program)"
echo "installer: the shortcut starts the program"
install second "$(value DisplayVersion)"
wine "$dir/uninstall.exe" /S
# The uninstaller copies itself elsewhere and returns before it has removed anything.
wait_for 20 "the uninstaller to remove the program's folder" test ! -e "$dir"
wait_for 10 "the uninstaller to remove the shortcut" test ! -e "$shortcut"
wait_for 10 "the uninstaller to remove the uninstall entry" eval '[ -z "$(value DisplayName)" ]'
echo "installer: uninstalled, nothing left"

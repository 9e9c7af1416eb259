#!/usr/bin/env bash
# scripts/install-deps.sh against a fake apt-get and dpkg on PATH, without the network: a package
# index that fails to update is only a warning; a package that cannot be installed fails the
# script, named; wine32 that cannot be installed leaves the 32-bit tests skipped, with the reason.
set -uo pipefail
script=$(cd "$(dirname "$0")/../.." && pwd)/scripts/install-deps.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/bin"

# The fakes: dpkg-query knows the packages listed in $work/installed; apt-get installs by adding
# to that list, and fails as FAIL_UPDATE and FAIL_PACKAGE ask.
cat > "$work/bin/dpkg-query" <<'FAKE'
#!/usr/bin/env bash
grep -q -x -F "${!#}" "$WORK/installed" && echo "install ok installed"
FAKE
cat > "$work/bin/apt-get" <<'FAKE'
#!/usr/bin/env bash
echo "apt-get $*" >> "$WORK/log"
if [ "$1" = update ]; then
  [ -z "${FAIL_UPDATE:-}" ] || { echo "E: File has unexpected size. Mirror sync in progress?" >&2; exit 100; }
  exit 0
fi
for p in "$@"; do
  [ "$p" = "${FAIL_PACKAGE:-}" ] && { echo "E: Unable to correct problems, you have held broken packages." >&2; exit 100; }
done
for p in "$@"; do case $p in -*|install) ;; *) echo "$p" >> "$WORK/installed" ;; esac; done
FAKE
printf '#!/usr/bin/env bash\nexit 0\n' > "$work/bin/dpkg"
printf '#!/usr/bin/env bash\necho zh_CN.utf8\n' > "$work/bin/locale"
chmod +x "$work/bin/"*

failures=0
# name | options | FAIL_UPDATE | FAIL_PACKAGE | expected exit | expected in the output
while IFS='|' read -r name option fail_update fail_package status expected; do
  : > "$work/installed"
  : > "$work/log"
  output=$(PATH="$work/bin:$PATH" WORK=$work FAIL_UPDATE=$fail_update FAIL_PACKAGE=$fail_package \
    bash "$script" $option 2>&1)
  got=$?
  if [ "$got" != "$status" ] || ! grep -q -F -- "$expected" <<< "$output"; then
    echo "FAIL: $name: exit $got, not $status; output:"
    echo "$output" | tail -n 5
    failures=$((failures + 1))
  elif [ "$status" = 0 ] && ! grep -q -x -F qt6-base-dev "$work/installed"; then
    echo "FAIL: $name: the packages were not installed"
    failures=$((failures + 1))
  fi
done <<'ROWS'
a failed index is a warning||yes||0|warning: apt-get update failed
a package that cannot be installed is named|||lintian|1|cannot install: lintian
the web's packages despite a failed index|--web|yes||0|Installing:
ROWS

# wine32 is asked for only where the kernel runs 32-bit code; there, that it cannot be installed
# is said, and the 32-bit tests are then reported skipped with that reason.
if /lib/ld-linux.so.2 --version > /dev/null 2>&1; then
  : > "$work/installed"
  output=$(PATH="$work/bin:$PATH" WORK=$work FAIL_UPDATE=yes FAIL_PACKAGE=wine32:i386 bash "$script" --windows 2>&1)
  if [ $? != 0 ] || ! grep -q "wine32 cannot be installed" <<< "$output"; then
    echo "FAIL: wine32 that cannot be installed: $output" | tail -n 5
    failures=$((failures + 1))
  fi
  reason=$(PATH="$work/bin:$PATH" WORK=$work bash "$(dirname "$script")/runs-32-bit.sh")
  if [ $? != 77 ] || ! grep -q "wine32" <<< "$reason"; then
    echo "FAIL: without wine32 the 32-bit tests are not skipped: $reason"
    failures=$((failures + 1))
  fi
else
  echo "the wine32 row: skipped, this machine's kernel runs no 32-bit code"
fi
echo "$failures failed"
[ "$failures" = 0 ]

#!/usr/bin/env bash
# A confirmed precision outlasts the Wine session that wrote it: the
# acceptance driver sets it through the program's precision dialog, the
# session ends (tools/wine-run --prefix waits for the wineserver to write the
# registry out and exit), the prefix's user.reg holds it, and a new session
# in the same prefix finds it, in the program's dialog and in the store.
#   lasting-setting.sh WINE-RUN ACCEPTANCE.EXE JEDNOTAR.EXE
set -euo pipefail
[ $# -eq 3 ] || { echo "usage: $0 WINE-RUN ACCEPTANCE.EXE JEDNOTAR.EXE" >&2; exit 2; }
wine_run=$1 driver=$2 program=$3
work=$(mktemp -d /tmp/jednotar-lasting.XXXXXX)
trap 'rm -rf "$work"' EXIT

# The driver's script steps (tests/acceptance/driver.cpp), one per line,
# fields separated by tabs.
steps() { printf '%s\n' "$@" | sed 's/ /\t/g' >"$work/$name.txt"; }
session() {
  echo "== session $name"
  timeout 120 "$wine_run" --prefix "$work/prefix" "$driver" --store-as-is "$program" "$work/$name.txt" | tr -d '\r'
}

name=first
steps "registry -" start "dialog-open 5" "dialog-type 3" dialog-ok "registry 3" "close ok" "registry 3"
session

# Only what the server wrote out as it ended is in the file.
failed=0
if grep -A3 -F '[Software\\Brodvik\\Jednotar jednotek\\Settings]' "$work/prefix/user.reg" |
  grep -qx '"Precision"=dword:00000003'; then
  echo "user.reg holds the precision 3"
else
  echo "FAIL: the ended session left no precision 3 in the prefix's user.reg"
  failed=1
fi

name=second
steps "registry 3" start "dialog-open 3" dialog-cancel "close cancel" "registry 3"
session || failed=1
exit "$failed"

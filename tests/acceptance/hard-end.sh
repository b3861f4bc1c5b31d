#!/usr/bin/env bash
# A hard end loses no setting and leaves nothing running: with a precision
# stored, the acceptance run is killed (SIGKILL: no destructor runs) once the
# converter's window is up. The converter must end with it (its kill-on-close
# job), and the next test program must put the precision back from the run's
# journal and remove the journal.
#   hard-end.sh WINE-RUN ACCEPTANCE.EXE JEDNOTAR.EXE EXPECTED.TXT
set -euo pipefail
wine_run=$1 driver=$2 program=$3 script=$4
work=$(mktemp -d /tmp/jednotar-hard-end.XXXXXX)
prefix=$work/prefix failed=0
# A display of its own, where the converter's window is seen from here.
Xvfb -displayfd 3 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb; rm -rf "$work"' EXIT
until [ -s "$work/display" ]; do sleep 0.1; done
export DISPLAY=:$(cat "$work/display")

session() { timeout 120 "$wine_run" --prefix "$prefix" "$@" | tr -d '\r'; }
running() { for p in $(pgrep -f "$1"); do grep -qsxz "WINEPREFIX=$prefix" "/proc/$p/environ" && echo "$p"; done; }
window_up() { xwininfo -name 'Jednotar jednotek' >/dev/null 2>&1; }
# The key that begins so, with what its first lines hold, in the user.reg
# that the last session wrote out as it ended.
holds() { grep -A3 -F "[$1" "$prefix/user.reg" | grep -q "${2:-}"; }
lacks() { ! holds "$@"; }
check() { if "${@:2}"; then echo "$1"; else echo "FAIL: $1" && failed=1; fi; }

session reg add 'HKCU\Software\Brodvik\Jednotar jednotek\Settings' /v Precision /t REG_DWORD /d 7 /f
session "$driver" "$program" "$script" &
run=$!
for _ in $(seq 200); do window_up && break; sleep 0.1; done
check "the converter's window is up" window_up
check "the acceptance run is killed" kill -9 $(running acceptance.exe)
for _ in $(seq 50); do [ -z "$(running jednotar.exe)" ] && break; sleep 0.1; done
check "no converter is left running" [ -z "$(running jednotar.exe)" ]
kill -9 $(running jednotar.exe) 2>/dev/null || true
wait $run || true
check "the run had emptied the store" lacks 'Software\\Brodvik\\Jednotar jednotek\\Settings' Precision
check "and left its journal" holds 'Software\\Jednotar jednotek tests\\journal'
# The next test program: the driver, with a script that only reads the store.
printf 'registry\t7\n' >"$work/check.txt"
session "$driver" --store-as-is "$program" "$work/check.txt" || failed=1
check "no key of a test run is left" lacks 'Software\\Jednotar jednotek tests'
exit "$failed"

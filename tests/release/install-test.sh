#!/usr/bin/env bash
# Installs, runs and uninstalls the release's installer in one fresh Wine
# prefix, the way a Windows user's machine sees it:
#   install-test.sh SETUP.exe BUILT-jednotar.exe window_probe.exe VERSION
# 1. for all users (the default for an administrator, which Wine's user is):
#    silent install, files, shortcut and registration; installing again over
#    it; the installed program shows its sheet; while it runs, an uninstall
#    and an install refuse; the registered quiet uninstall removes files,
#    shortcut and registration and keeps the user's setting;
# 2. the same for the current user only (/CurrentUser);
# 3. into a folder chosen with /D=.
# Every check is reported; the exit status is the number of failed checks
# (capped), 0 when all passed. The prefix, its wineserver and a private
# Xvfb are removed at the end, whatever the outcome.
set -u
[ $# -eq 4 ] || { echo "usage: $0 SETUP.exe jednotar.exe window_probe.exe VERSION" >&2; exit 2; }
setup=$(realpath "$1") built_exe=$(realpath "$2") probe=$(realpath "$3") version=$4

wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine=$(command -v wine64 || command -v wine)
# Debian's wine64 puts no wineserver on the PATH.
wineserver=/usr/lib/wine/wineserver64
[ -x "$wineserver" ] || wineserver=$(command -v wineserver)
# No menu entries or file associations on the host for what is installed here.
export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEPREFIX=$(mktemp -d /tmp/jednotar-release.XXXXXX)

xvfb_pid="" app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
  "$wineserver" -k >/dev/null 2>&1
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$WINEPREFIX"
}
trap cleanup EXIT

if [ -z "${DISPLAY:-}" ]; then
  for n in $(seq 150 200); do
    [ -e /tmp/.X$n-lock ] || [ -e /tmp/.X11-unix/X$n ] && continue
    Xvfb :$n -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$n ] && break; sleep 0.1; done
    if kill -0 "$xvfb_pid" 2>/dev/null; then export DISPLAY=:$n; break; fi
    xvfb_pid=""
  done
  [ -n "${DISPLAY:-}" ] || { echo "could not start Xvfb" >&2; exit 1; }
fi

timeout 120 "$wine" wineboot -i >/dev/null 2>&1
timeout 60 "$wineserver" -w

failures=0
pass() { echo "ok   $*"; }
fail() { echo "FAIL $*"; failures=$((failures + 1)); }
check() {  # check DESCRIPTION COMMAND...
  local what=$1; shift
  if "$@"; then pass "$what"; else fail "$what"; fi
}
section() { echo; echo "== $*"; }

w() { timeout 120 "$wine" "$@"; }
# Unix path of a Windows path in this prefix.
unix_path() { "$wine" winepath -u "$1" 2>/dev/null | tr -d '\r'; }
# The expansion of a Windows environment variable, e.g. win_env LOCALAPPDATA.
win_env() { "$wine" cmd /c echo "%$1%" 2>/dev/null | tr -d '\r'; }
# The data of one registry value, as `reg query` prints it (DWORDs as 0x...).
reg_value() {  # reg_value KEY NAME
  "$wine" reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
    sed -n "s/^ *$2 \{1,\}REG_[A-Z_]* \{1,\}//p"
}
reg_key_exists() { "$wine" reg query "$1" >/dev/null 2>&1; }
reg_key_absent() { ! reg_key_exists "$1"; }
equals() { [ "$1" = "$2" ] || { echo "     got '$1', expected '$2'"; return 1; }; }

app="Jednotar jednotek"
uninst_key_machine="HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$app"
uninst_key_user="HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$app"
settings_key="HKCU\\Software\\Brodvik\\$app\\Settings"

# Checks an installation in WINDIR (a Windows path) with its registration
# under KEY and its shortcut in the Start menu's programs folder SMPROGRAMS.
check_installed() {  # check_installed WINDIR KEY SMPROGRAMS
  local windir=$1 key=$2 smprograms=$3 dir lnk
  dir=$(unix_path "$windir")
  check "jednotar.exe in $windir is the built program" cmp -s "$dir/jednotar.exe" "$built_exe"
  check "uninstall.exe in $windir" test -f "$dir/uninstall.exe"
  lnk="$(unix_path "$smprograms")/$app.lnk"
  check "Start-menu shortcut $smprograms\\$app.lnk" test -f "$lnk"
  check "the shortcut points at the installed program" \
    grep -aqF "${windir#?:}\\jednotar.exe" "$lnk"
  check "registration $key" reg_key_exists "$key"
  check "DisplayName" equals "$(reg_value "$key" DisplayName)" "$app"
  check "DisplayVersion" equals "$(reg_value "$key" DisplayVersion)" "$version"
  check "Publisher" equals "$(reg_value "$key" Publisher)" "Brodvik"
  check "DisplayIcon" equals "$(reg_value "$key" DisplayIcon)" "$windir\\jednotar.exe,0"
  check "InstallLocation" equals "$(reg_value "$key" InstallLocation)" "$windir"
  check "UninstallString" equals "$(reg_value "$key" UninstallString)" "\"$windir\\uninstall.exe\""
  check "QuietUninstallString" equals "$(reg_value "$key" QuietUninstallString)" "\"$windir\\uninstall.exe\" /S"
  check "NoModify" equals "$(reg_value "$key" NoModify)" "0x1"
  check "NoRepair" equals "$(reg_value "$key" NoRepair)" "0x1"
  # EstimatedSize is in KiB: at least the program's size, at most the folder's.
  local size kib_exe kib_dir
  size=$(reg_value "$key" EstimatedSize)
  kib_exe=$(( $(stat -c %s "$built_exe") / 1024 ))
  kib_dir=$(( $(du -sk --apparent-size "$dir" | cut -f1) + 8 ))
  check "EstimatedSize ${size:-missing} KiB is between the program's $kib_exe and the folder's $kib_dir" \
    test -n "$size" -a "$((size))" -ge "$kib_exe" -a "$((size))" -le "$kib_dir"
}

check_removed() {  # check_removed WINDIR KEY SMPROGRAMS
  local windir=$1 key=$2 smprograms=$3
  check "$windir is gone" test ! -e "$(unix_path "$windir")"
  check "the shortcut is gone" test ! -e "$(unix_path "$smprograms")/$app.lnk"
  check "registration $key is gone" reg_key_absent "$key"
}

# Starts the installed program as a user would and has the probe check its
# sheet and close it; the program must then end.
check_program_runs() {  # check_program_runs WINDIR
  "$wine" "$1\\jednotar.exe" & app_pid=$!
  check "the installed program shows its sheet and closes on Cancel" w "$probe" 40
  local i
  for i in $(seq 100); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.2; done
  if kill -0 "$app_pid" 2>/dev/null; then
    fail "the program ended after its sheet closed"
    kill "$app_pid" 2>/dev/null
  else
    wait "$app_pid"
    check "the program ended with status 0" test $? -eq 0
  fi
  app_pid=""
}

# Runs one Windows command line exactly as written and returns its exit
# status. wine quotes every argument that holds a space, but NSIS reads
# /D= and _?= only unquoted (they take the rest of the line, spaces and
# all); a batch file passes the line untouched.
run_cmdline() {  # run_cmdline LINE
  printf '@%s\r\n@exit /b %%errorlevel%%\r\n' "$1" > "$WINEPREFIX/drive_c/release-test.bat"
  w cmd /c 'C:\release-test.bat'
}
# Runs WINDIR's uninstaller silently, in place and synchronously (_?=).
uninstall_in_place() { run_cmdline "\"$1\\uninstall.exe\" /S _?=$1"; }

# Runs the registered QuietUninstallString as Windows does: the uninstaller
# copies itself to the temporary folder, starts the copy and returns at once,
# so wait for every process of the prefix to end.
quiet_uninstall() {  # quiet_uninstall KEY
  local cmd exe
  cmd=$(reg_value "$1" QuietUninstallString)
  exe=${cmd#\"}; exe=${exe%%\"*}
  [ -n "$exe" ] || { fail "no QuietUninstallString to run"; return; }
  check "the quiet uninstall starts" w "$exe" /S
  timeout 120 "$wineserver" -w
}

# ---------------------------------------------------------------------------
section "for all users"
pf=$(win_env ProgramW6432)
[ "$pf" = "%ProgramW6432%" ] && pf=$(win_env ProgramFiles)
machine_dir="$pf\\$app"
common_programs="$(win_env ProgramData)\\Microsoft\\Windows\\Start Menu\\Programs"
user_programs="$(win_env APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs"
user_dir="$(win_env LOCALAPPDATA)\\Programs\\$app"

w "$setup" /S; check "silent install exits with status 0" test $? -eq 0
timeout 60 "$wineserver" -w
check_installed "$machine_dir" "$uninst_key_machine" "$common_programs"
check "no per-user registration" reg_key_absent "$uninst_key_user"
check "nothing in the per-user folder" test ! -e "$(unix_path "$user_dir")"

w "$setup" /S; check "installing again over it exits with status 0" test $? -eq 0
timeout 60 "$wineserver" -w
check "still the built program after installing again" \
  cmp -s "$(unix_path "$machine_dir")/jednotar.exe" "$built_exe"
check "still one registration, in place" \
  equals "$(reg_value "$uninst_key_machine" InstallLocation)" "$machine_dir"

check_program_runs "$machine_dir"

# A running program holds its file: the uninstaller must refuse rather than
# leave half of it behind. (_?= runs the uninstaller in place, synchronously.)
"$wine" "$machine_dir\\jednotar.exe" & app_pid=$!
if w "$probe" 40 --leave-open >/dev/null; then
  uninstall_in_place "$machine_dir"
  status=$?
  check "a silent uninstall while the program runs refuses with status 2 (was $status)" test "$status" -eq 2
  check "and leaves the program in place" test -f "$(unix_path "$machine_dir")/jednotar.exe"
  check "and its registration" reg_key_exists "$uninst_key_machine"
  w "$setup" /S
  status=$?
  check "a silent install while the program runs refuses with status 2 (was $status)" test "$status" -eq 2
  w "$probe" 40 >/dev/null
else
  fail "the program started for the running-uninstall check"
fi
timeout 60 "$wineserver" -w
app_pid=""

w reg add "$settings_key" /v Precision /t REG_DWORD /d 7 /f >/dev/null
check "the setting is written before uninstalling" equals "$(reg_value "$settings_key" Precision)" "0x7"
quiet_uninstall "$uninst_key_machine"
check_removed "$machine_dir" "$uninst_key_machine" "$common_programs"
check "the silent uninstall keeps the setting" equals "$(reg_value "$settings_key" Precision)" "0x7"

# ---------------------------------------------------------------------------
section "for the current user (/CurrentUser)"
w "$setup" /S /CurrentUser; check "silent per-user install exits with status 0" test $? -eq 0
timeout 60 "$wineserver" -w
check_installed "$user_dir" "$uninst_key_user" "$user_programs"
check "no all-users registration" reg_key_absent "$uninst_key_machine"
check "nothing in Program Files" test ! -e "$(unix_path "$machine_dir")"
check_program_runs "$user_dir"
quiet_uninstall "$uninst_key_user"
check_removed "$user_dir" "$uninst_key_user" "$user_programs"
check "the silent uninstall keeps the setting" equals "$(reg_value "$settings_key" Precision)" "0x7"

# ---------------------------------------------------------------------------
section "into a chosen folder (/D=)"
chosen_dir='C:\Tools\Jednotar jednotek'
cp "$setup" "$WINEPREFIX/drive_c/"
run_cmdline "C:\\$(basename "$setup") /S /CurrentUser /D=$chosen_dir"
check "silent install with /D= exits with status 0" test $? -eq 0
timeout 60 "$wineserver" -w
check "jednotar.exe in the chosen folder is the built program" \
  cmp -s "$(unix_path "$chosen_dir")/jednotar.exe" "$built_exe"
check "InstallLocation is the chosen folder" \
  equals "$(reg_value "$uninst_key_user" InstallLocation)" "$chosen_dir"
quiet_uninstall "$uninst_key_user"
check_removed "$chosen_dir" "$uninst_key_user" "$user_programs"

echo
if [ "$failures" -eq 0 ]; then echo "all checks passed"; else echo "$failures checks failed"; fi
[ "$failures" -gt 100 ] && failures=100
exit "$failures"

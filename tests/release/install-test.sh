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
# Every check is reported (checks.sh). Wine runs through tools/wine-run, in
# one prefix kept across its calls and removed at the end, whatever the outcome.
set -euo pipefail
. "$(dirname "$0")/checks.sh"
[ $# -eq 4 ] || usage "SETUP.exe jednotar.exe window_probe.exe VERSION"
setup=$(realpath "$1") built_exe=$(realpath "$2") probe=$(realpath "$3") version=$4
wine_run=$(realpath "$(dirname "$0")/../../tools/wine-run")

# One prefix for the whole test, kept across the wine-run calls: each call
# starts Wine in it (on a private Xvfb when there is no $DISPLAY) and
# returns once every process of the prefix has ended.
prefix=$(mktemp -d /tmp/jednotar-release.XXXXXX)
timed_out=""
cleanup() {
  # A call that timed out may have left processes behind: end them first.
  if [ -n "$timed_out" ]; then
    timeout 60 "$wine_run" --prefix "$prefix" wineboot.exe --kill >/dev/null 2>&1 || true  # the test has failed already
  fi
  rm -rf "$prefix"
}
trap cleanup EXIT

section() { echo; echo "== $*"; }

# Runs a Windows program in the prefix and returns its exit status.
w() {
  local status=0
  timeout 180 "$wine_run" --prefix "$prefix" "$@" || status=$?
  [ "$status" -ne 124 ] || { timed_out=1; echo "     timed out: $*"; }
  return "$status"
}
# Runs lines as one batch file in the prefix and returns its exit status. A
# batch file hands each command line to the program exactly as written:
# wine quotes every argument that holds a space, but NSIS reads /D= and _?=
# only unquoted (they take the rest of the line, spaces and all).
batch() {  # batch NAME LINE...
  local name=$1; shift
  printf '%s\r\n' "@echo off" "$@" > "$prefix/drive_c/$name.bat"
  w cmd /c "C:\\$name.bat"
}
# The result a batch wrote into C:\NAME.txt, then removed.
batch_result() {  # batch_result NAME
  local file="$prefix/drive_c/$1.txt"
  [ -f "$file" ] || return 0
  tr -d '\r ' < "$file"
  rm -f "$file"
}
# The Windows path of a Unix path (through Wine's Z: drive).
win_path() { printf 'Z:%s' "${1//\//\\}"; }
# The Unix path of a Windows path in this prefix.
unix_path() {
  local drive=${1%%:*} rest=${1#?:}
  printf '%s/dosdevices/%s:%s' "$prefix" "${drive,,}" "${rest//\\//}"
}

app="Jednotar jednotek"
uninst_key_machine="HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$app"
uninst_key_user="HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$app"
settings_key="HKCU\\Software\\Brodvik\\$app\\Settings"

# What the checks read, taken in one Wine run: the environment and the
# three registry keys, as `set` and `reg query` print them (DWORDs as 0x...),
# and whether each key exists (reg query's status). Batch LINES given to it
# run first, in the same run (a Wine run costs seconds).
snap=$prefix/drive_c/snapshot
declare -A snap_file=([$uninst_key_machine]=machine [$uninst_key_user]=user [$settings_key]=settings)
snapshot() {  # snapshot [LINE...]
  rm -rf "$snap"
  mkdir -p "$snap"
  touch "$snap"/{env,machine,user,settings}.txt "$snap"/{machine,user,settings}.status  # empty if the run fails
  local key lines=()
  for key in "$uninst_key_machine" "$uninst_key_user" "$settings_key"; do
    lines+=(">C:\\snapshot\\${snap_file[$key]}.txt reg query \"$key\" 2>nul"
      ">C:\\snapshot\\${snap_file[$key]}.status echo %errorlevel%")
  done
  batch snapshot "$@" '>C:\snapshot\env.txt set' "${lines[@]}" 'exit /b 0' ||
    fail "reading the environment and the registry"
}
# The expansion of a Windows environment variable, e.g. win_env LOCALAPPDATA.
win_env() { tr -d '\r' < "$snap/env.txt" | sed -n "s/^$1=//Ip" | sed -n 1p; }
# The data of one value of one of the three keys.
reg_value() {  # reg_value KEY NAME
  tr -d '\r' < "$snap/${snap_file[$1]}.txt" | sed -n "s/^ *$2 \{1,\}REG_[A-Z_]* \{1,\}//p"
}
reg_key_exists() { [ "$(tr -d '\r ' < "$snap/${snap_file[$1]}.status")" = 0 ]; }
reg_key_absent() { ! reg_key_exists "$1"; }

# Checks an installation in WINDIR (a Windows path) with its registration
# under KEY and its shortcut in the Start menu's programs folder SMPROGRAMS.
check_installed() {  # check_installed WINDIR KEY SMPROGRAMS
  local windir=$1 key=$2 smprograms=$3 dir lnk
  dir=$(unix_path "$windir")
  check "jednotar.exe in $windir is the built program" identical "$dir/jednotar.exe" "$built_exe"
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
  kib_dir=$(( $(du -sk --apparent-size "$dir" 2>/dev/null | cut -f1 || echo 0) + 8 ))
  check "EstimatedSize ${size:-missing} KiB is between the program's $kib_exe and the folder's $kib_dir" \
    test -n "$size" -a "$((size))" -ge "$kib_exe" -a "$((size))" -le "$kib_dir"
}

check_removed() {  # check_removed WINDIR KEY SMPROGRAMS
  local windir=$1 key=$2 smprograms=$3
  check "$windir is gone" test ! -e "$(unix_path "$windir")"
  check "the shortcut is gone" test ! -e "$(unix_path "$smprograms")/$app.lnk"
  check "registration $key is gone" reg_key_absent "$key"
}

# Starts the installed program as a user would, with the probe beside it to
# check its sheet and close it; the program must then end, with status 0.
# A program that does not end keeps the batch from returning until w's
# timeout.
check_program_runs() {  # check_program_runs WINDIR
  printf '%s\r\n' "@\"$(win_path "$probe")\" 40" '@>C:\probe.txt echo %errorlevel%' \
    > "$prefix/drive_c/probe.bat"
  batch program 'start "" /b cmd /c C:\probe.bat' "\"$1\\jednotar.exe\"" '>C:\program.txt echo %errorlevel%' ||
    true  # what the two wrote is checked
  check "the installed program shows its sheet and closes on Cancel" equals "$(batch_result probe)" 0
  check "the program ended with status 0 after its sheet closed" equals "$(batch_result program)" 0
}

# Batch lines that run the installer with ARGS and note its exit status,
# for status_of_setup to read.
setup_lines() { echo "\"$(win_path "$setup")\" $*"; echo '>C:\setup.txt echo %errorlevel%'; }
status_of_setup() { equals "$(batch_result setup)" 0; }

# The command line that runs WINDIR's uninstaller silently, in place and
# synchronously (_?=).
in_place_uninstall_line() { echo "\"$1\\uninstall.exe\" /S _?=$1"; }

# Runs the registered QuietUninstallString as Windows does: the uninstaller
# copies itself to the temporary folder, starts the copy and returns at
# once; w returns when the copy has ended too.
quiet_uninstall() {  # quiet_uninstall KEY
  local cmd exe
  cmd=$(reg_value "$1" QuietUninstallString)
  exe=${cmd#\"}; exe=${exe%%\"*}
  [ -n "$exe" ] || { fail "no QuietUninstallString to run"; return; }
  check "the quiet uninstall starts" w "$exe" /S
}

# ---------------------------------------------------------------------------
# No menu entries or file associations on the host for what is installed here.
snapshot 'reg add "HKCU\Software\Wine\DllOverrides" /v winemenubuilder.exe /t REG_SZ /d "" /f >nul'
pf=$(win_env ProgramW6432)
[ -n "$pf" ] || pf=$(win_env ProgramFiles)
machine_dir="$pf\\$app"
common_programs="$(win_env ProgramData)\\Microsoft\\Windows\\Start Menu\\Programs"
user_programs="$(win_env APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs"
user_dir="$(win_env LOCALAPPDATA)\\Programs\\$app"

section "for all users"
mapfile -t lines < <(setup_lines /S)
snapshot "${lines[@]}"
check "silent install exits with status 0" status_of_setup
check_installed "$machine_dir" "$uninst_key_machine" "$common_programs"
check "no per-user registration" reg_key_absent "$uninst_key_user"
check "nothing in the per-user folder" test ! -e "$(unix_path "$user_dir")"

snapshot "${lines[@]}"
check "installing again over it exits with status 0" status_of_setup
check "still the built program after installing again" \
  identical "$(unix_path "$machine_dir")/jednotar.exe" "$built_exe"
check "still one registration, in place" \
  equals "$(reg_value "$uninst_key_machine" InstallLocation)" "$machine_dir"

check_program_runs "$machine_dir"

# A running program holds its file: the uninstaller must refuse rather than
# leave half of it behind, and so must the installer. One batch starts the
# program, waits for its sheet, tries both, notes what is left and closes
# the program.
batch running "start \"\" \"$machine_dir\\jednotar.exe\"" \
  "\"$(win_path "$probe")\" 40 --leave-open >nul" '>C:\started.txt echo %errorlevel%' \
  "$(in_place_uninstall_line "$machine_dir")" '>C:\uninstall.txt echo %errorlevel%' \
  "if exist \"$machine_dir\\jednotar.exe\" (>C:\\left.txt echo yes)" \
  "reg query \"$uninst_key_machine\" >nul 2>nul" '>C:\registered.txt echo %errorlevel%' \
  "\"$(win_path "$setup")\" /S" '>C:\install.txt echo %errorlevel%' \
  "\"$(win_path "$probe")\" 40 >nul" '>C:\closed.txt echo %errorlevel%' ||
  true  # what it wrote is checked
if [ "$(batch_result started)" = 0 ]; then
  status=$(batch_result uninstall)
  check "a silent uninstall while the program runs refuses with status 2 (was $status)" test "$status" = 2
  check "and leaves the program in place" equals "$(batch_result left)" yes
  check "and its registration" equals "$(batch_result registered)" 0
  status=$(batch_result install)
  check "a silent install while the program runs refuses with status 2 (was $status)" test "$status" = 2
  check "the program closes afterwards" equals "$(batch_result closed)" 0
else
  fail "the program started for the running-uninstall check"
fi

snapshot "reg add \"$settings_key\" /v Precision /t REG_DWORD /d 7 /f >nul"
check "the setting is written before uninstalling" equals "$(reg_value "$settings_key" Precision)" "0x7"
quiet_uninstall "$uninst_key_machine"
snapshot
check_removed "$machine_dir" "$uninst_key_machine" "$common_programs"
check "the silent uninstall keeps the setting" equals "$(reg_value "$settings_key" Precision)" "0x7"

# ---------------------------------------------------------------------------
section "for the current user (/CurrentUser)"
mapfile -t lines < <(setup_lines /S /CurrentUser)
snapshot "${lines[@]}"
check "silent per-user install exits with status 0" status_of_setup
check_installed "$user_dir" "$uninst_key_user" "$user_programs"
check "no all-users registration" reg_key_absent "$uninst_key_machine"
check "nothing in Program Files" test ! -e "$(unix_path "$machine_dir")"
check_program_runs "$user_dir"
quiet_uninstall "$uninst_key_user"
snapshot
check_removed "$user_dir" "$uninst_key_user" "$user_programs"
check "the silent uninstall keeps the setting" equals "$(reg_value "$settings_key" Precision)" "0x7"

# ---------------------------------------------------------------------------
section "into a chosen folder (/D=)"
chosen_dir='C:\Tools\Jednotar jednotek'
mapfile -t lines < <(setup_lines /S /CurrentUser "/D=$chosen_dir")
snapshot "${lines[@]}"
check "silent install with /D= exits with status 0" status_of_setup
check "jednotar.exe in the chosen folder is the built program" \
  identical "$(unix_path "$chosen_dir")/jednotar.exe" "$built_exe"
check "InstallLocation is the chosen folder" \
  equals "$(reg_value "$uninst_key_user" InstallLocation)" "$chosen_dir"
quiet_uninstall "$uninst_key_user"
snapshot
check_removed "$chosen_dir" "$uninst_key_user" "$user_programs"

summary

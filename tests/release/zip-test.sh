#!/usr/bin/env bash
# Checks the release folder's portable zip and checksums:
#   zip-test.sh RELEASE_DIR BUILT-jednotar.exe VERSION
# The zip holds exactly jednotar.exe and README.txt; its jednotar.exe is
# byte for byte the built program; README.txt is Czech text for Notepad
# (UTF-8 with a byte-order mark, CRLF lines) naming the version and the
# setting's registry key and how to delete it; SHA256SUMS lists exactly the
# zip and the installer, with their right checksums.
set -euo pipefail
. "$(dirname "$0")/checks.sh"
[ $# -eq 3 ] || usage "RELEASE_DIR jednotar.exe VERSION"
dir=$(realpath "$1") built_exe=$(realpath "$2") version=$3
zip="$dir/jednotar-$version-portable.zip"
setup_name="jednotar-$version-setup.exe"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

check "the zip exists" test -f "$zip"
check "the zip holds exactly jednotar.exe and README.txt" \
  equals "$(cmake -E tar tf "$zip" | sort | tr '\n' ' ')" "README.txt jednotar.exe "

mkdir "$tmp/x"
# A missing or damaged zip is reported by the checks below, not here.
(cd "$tmp/x" && cmake -E tar xf "$zip") || true
check "its jednotar.exe is byte-identical to the build's" identical "$tmp/x/jednotar.exe" "$built_exe"

readme="$tmp/x/README.txt"
check "README.txt starts with a UTF-8 byte-order mark" \
  equals "$(head -c 3 "$readme" | od -An -tx1 | tr -d ' \n')" efbbbf
check "README.txt has CRLF line ends only" \
  test "$(tr -cd '\n' < "$readme" | wc -c)" -eq "$(grep -c $'\r$' "$readme")" -a -s "$readme"
check "README.txt is valid UTF-8" iconv -f UTF-8 -t UTF-8 -o /dev/null "$readme"
check "README.txt names version $version" grep -qF "Jednotar jednotek $version" "$readme"
check "README.txt names the setting's key" \
  grep -qF 'HKEY_CURRENT_USER\Software\Brodvik\Jednotar jednotek\Settings' "$readme"
check "README.txt tells how to delete it" \
  grep -qF 'reg delete "HKCU\Software\Brodvik\Jednotar jednotek" /f' "$readme"
check "README.txt has no unreplaced @placeholders@" bash -c '! grep -q "@[A-Z_]*@" "$1"' _ "$readme"

sums="$dir/SHA256SUMS"
check "SHA256SUMS lists exactly the zip and the installer" \
  equals "$(awk '{print $2}' "$sums" | sort | tr '\n' ' ')" "$(basename "$zip") $setup_name "
check "SHA256SUMS matches both files" bash -c 'cd "$1" && sha256sum --quiet -c SHA256SUMS' _ "$dir"

summary

#!/usr/bin/env bash
# Builds the release a second time, from a copy of the source in another
# folder and later than the first build, and checks that jednotar.exe, the
# installer and the zip are byte for byte the first build's:
#   reproducible-test.sh SOURCE_DIR FIRST_BUILD_DIR RELEASE_DIR VERSION WORK_DIR -- CMAKE_ARGS...
# FIRST_BUILD_DIR has built its release target into RELEASE_DIR (and has
# jednotar.exe at its top and its source date in source-date.txt).
# CMAKE_ARGS configure the second build as the first (toolchain, build type,
# generator, compiler launcher); the second build is the release target
# alone, without tests. WORK_DIR is emptied and holds the copy and its build.
set -euo pipefail
. "$(dirname "$0")/checks.sh"
[ $# -ge 6 ] && [ "$6" = "--" ] || usage "SOURCE_DIR FIRST_BUILD_DIR RELEASE_DIR VERSION WORK_DIR -- CMAKE_ARGS..."
src=$(realpath "$1") first=$(realpath "$2") first_release=$(realpath "$3") version=$4 work=$5
shift 6

epoch=$(cat "$first/source-date.txt")
[ -n "$epoch" ] || { fail "the first build has no source date (no git, no SOURCE_DATE_EPOCH)"; summary; }

# The copy is what the first build was built from: every file git tracks or
# would track, as it is in the working tree, and no .git (its source date
# comes from SOURCE_DATE_EPOCH instead). The copy's build folder sits where
# the first's does, so a compiler cache with CCACHE_BASEDIR above both (set
# to the source here when it is not set) finds the first build's objects.
rm -rf "$work"
mkdir -p "$work/src"
copy=$(realpath "$work/src")
(
  cd "$src"
  git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' f; do
      if [ -e "$f" ]; then printf '%s\0' "$f"; fi  # not a tracked file deleted in the working tree
    done |
    xargs -0 cp --parents -t "$copy"
)
build="$copy/${first#"$src"/}"
[ "$build" != "$copy/$first" ] || build=$copy/build/win  # the first build lies outside its source

# Point the toolchain file at the copy's own when it is one of the source's
# (and leave out the empty arguments that ctest passes for options not set).
args=()
for a in "$@"; do
  if [ -n "$a" ]; then args+=("${a//"$src"\//"$copy"/}"); fi
done
# Without a compiler launcher of the first build's, ccache (when there is
# one) keeps later runs of this test short; it cannot change what is built,
# and the comparison with the first build would show it if it did.
if ! printf '%s\n' "${args[@]}" | grep -q '^-DCMAKE_CXX_COMPILER_LAUNCHER=.' && command -v ccache >/dev/null; then
  args+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi

sleep 2  # later than the first build, even if that has just been made
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$src}
SOURCE_DATE_EPOCH=$epoch cmake -S "$copy" -B "$build" -DBUILD_TESTING=OFF "${args[@]}" >/dev/null
SOURCE_DATE_EPOCH=$epoch cmake --build "$build" --target release --parallel 2 >/dev/null

same() {  # same NAME FIRST SECOND
  check "$1 is the same in both builds ($(sha256sum "$2" | cut -c1-16)...)" identical "$2" "$3"
}
same jednotar.exe "$first/jednotar.exe" "$build/jednotar.exe"
same "jednotar-$version-setup.exe" "$first_release/jednotar-$version-setup.exe" \
  "$build/release/jednotar-$version-setup.exe"
same "jednotar-$version-portable.zip" "$first_release/jednotar-$version-portable.zip" \
  "$build/release/jednotar-$version-portable.zip"

[ "$failures" -gt 0 ] || rm -rf "$work"
summary "the second build is kept in $build"

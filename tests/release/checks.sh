# The release tests' checks, sourced by each: every check prints one line,
# "ok   WHAT" or "FAIL WHAT" (the failing command may say why above it), and
# summary ends the test with the number of failed checks as its status.

usage() { echo "usage: $0 $*" >&2; exit 2; }

failures=0
pass() { echo "ok   $*"; }
fail() { echo "FAIL $*"; failures=$((failures + 1)); }
check() {  # check DESCRIPTION COMMAND...
  local what=$1; shift
  if "$@"; then pass "$what"; else fail "$what"; fi
}
# For checks of one value: says what it was when it is not the one expected.
equals() { [ "$1" = "$2" ] || { echo "     got '$1', expected '$2'"; return 1; }; }
# For checks of one file: says how far it is from the other when it differs.
identical() {
  cmp -s "$1" "$2" && return
  echo "     $(cmp "$1" "$2" 2>&1 | sed 's/.* differ: /first difference at /')," \
    "$(cmp -l "$1" "$2" 2>/dev/null | wc -l) bytes differ"
  return 1
}

summary() {  # summary [WHAT TO ADD WHEN A CHECK FAILED]
  echo
  if [ "$failures" -eq 0 ]; then echo "all checks passed"; else echo "$failures checks failed${1:+ ($1)}"; fi
  exit $((failures < 100 ? failures : 100))  # an exit status is one byte
}

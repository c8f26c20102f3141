# Counted checks for the shell tests, sourced by them: check WHAT COMMAND... runs the
# command and counts it passed, or says "FAIL: WHAT" and counts it failed; checks_summary
# prints the count and fails when any check did.
passed=0
failures=0

check() { # what, command...
  local what=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
  else
    echo "FAIL: $what" >&2
    failures=$((failures + 1))
  fi
}

checks_summary() {
  echo "$passed passed, $failures failed"
  [ "$failures" -eq 0 ]
}

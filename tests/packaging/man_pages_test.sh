#!/usr/bin/env bash
# Each man page renders at 80 columns without a warning from man or groff, and has the
# sections an operator looks for. The pages hold Chinese text, so they are read in a UTF-8
# locale, as in the pharmacies.
#
# Arguments: the man pages (compressed or not).
set -uo pipefail
[ $# -gt 0 ] || { echo "usage: man_pages_test.sh PAGE..." >&2; exit 2; }
export LC_ALL=C.UTF-8 MANWIDTH=80
warnings_file=$(mktemp)
trap 'rm -f "$warnings_file"' EXIT
failures=0
passed=0
for page in "$@"; do
  rendered=$(man --warnings -l "$page" 2>"$warnings_file")
  status=$?
  warnings=$(cat "$warnings_file")
  if [ "$status" -ne 0 ] || [ -n "$warnings" ]; then
    echo "FAIL: $page: man ended with status $status: $warnings" >&2
    failures=$((failures + 1))
    continue
  fi
  for section in NAME SYNOPSIS DESCRIPTION OPTIONS ENVIRONMENT FILES "EXIT STATUS" EXAMPLES; do
    if grep -qx "$section" <<<"$rendered"; then
      passed=$((passed + 1))
    else
      echo "FAIL: $page has no section $section" >&2
      failures=$((failures + 1))
    fi
  done
done
echo "$passed passed, $failures failed"
[ "$failures" -eq 0 ]

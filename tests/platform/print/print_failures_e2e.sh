#!/usr/bin/env bash
# End to end: the real pillora binary printing the sample job on the built-in printers when
# its output cannot be written (a folder that cannot be made, a disk that is full from a
# later page on, a print log that cannot be written). Each run must end with exit status 1
# and one line on standard error, and leave no file of the failed document behind.
#
# Usage: print_failures_e2e.sh PILLORA_BIN SAMPLE_JOB
set -euo pipefail

pillora=$1
sample=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export PILLORA_HOME=$work/home CUPS_SERVER=$work/no-server.sock
unset LPDEST PRINTER PILLORA_PRINT_LOG
# Under the leak checker standard error holds the program's own lines only.
export LSAN_OPTIONS=${LSAN_OPTIONS:+$LSAN_OPTIONS:}print_suppressions=0
mkdir -p "$PILLORA_HOME"
passed=0

fail() {
  echo "FAILED: $*" >&2
  exit 1
}
pass() {
  echo "ok - $*"
  passed=$((passed + 1))
}

# Runs the sample on a printer: run PRINTER [FILE-SIZE-LIMIT-KIB]. Keeps standard error in
# $work/err, the exit status in $status and the run's job log line in $work/job.log (a new
# log each run: the file size limit applies to it as well).
run() {
  status=0
  rm -f "$work/job.log"
  (
    export PILLORA_LOG=$work/job.log
    trap '' XFSZ # an oversized write fails with EFBIG instead of ending the program
    [ -z "${2:-}" ] || ulimit -f "$2"
    exec "$pillora" "$sample" 全部列印 "$1"
  ) 2>"$work/err" >/dev/null || status=$?
  true
}

# The run failed as a printer error: exit status 1, one line matching the pattern.
expect_failure() { # pattern, what
  [ "$status" -eq 1 ] || fail "$2: exit status $status ($(cat "$work/err"))"
  [ "$(grep -vc 'drug-profile database cannot be opened' "$work/err")" -eq 1 ] || fail "$2: not one line: $(cat "$work/err")"
  grep -qE "^pillora: $1\$" "$work/err" || fail "$2: $(cat "$work/err")"
  grep -qE $'\tstatus=1\tmessage='"$1\$" "$work/job.log" || fail "$2: job log: $(cat "$work/job.log")"
}

expect_no_files() { # folder, what
  [ -z "$(ls -A "$1" 2>/dev/null)" ] || fail "$2 left files: $(ls -A "$1")"
}

touch "$work/a-file"
for printer in "Pillora PDF" "Pillora PNG"; do
  PILLORA_OUTPUT_DIR=$work/a-file/out run "$printer"
  expect_failure "cannot write $work/a-file/out/sample(\\.pdf|-p1\\.png): Not a directory" "$printer"
  pass "$printer: an output folder that cannot be made is a printer error"
done

# The sample's pages in PNG; the file size limit lets page 1 through and stops a later one.
PILLORA_OUTPUT_DIR=$work/pages run "Pillora PNG"
[ "$status" -eq 0 ] || fail "the sample does not print: $(cat "$work/err")"
first_kib=$(($(stat -c %s "$work/pages/sample-p1.png") / 1024 + 1))
largest=$(stat -c %s "$work"/pages/sample-p*.png | sort -n | tail -n 1)
[ "$largest" -gt $((first_kib * 1024)) ] || fail "no later page of the sample outgrows page 1"
PILLORA_OUTPUT_DIR=$work/full run "Pillora PNG" "$first_kib"
expect_failure "cannot write $work/full/sample-p[2-9]\\.png: File too large" "full disk"
expect_no_files "$work/full" "a PNG document that failed on a later page"
pass "a disk full on a later PNG page fails the document and leaves none of its pages"

PILLORA_OUTPUT_DIR=$work/full-pdf run "Pillora PDF" 1
expect_failure "cannot write $work/full-pdf/sample\\.pdf: File too large" "full disk, PDF"
expect_no_files "$work/full-pdf" "a PDF that could not be written"
pass "a PDF that does not fit leaves nothing behind"

PILLORA_PRINT_LOG=/dev/full PILLORA_OUTPUT_DIR=$work/logged run "Pillora PDF"
expect_failure "cannot write the print log /dev/full: No space left on device" "print log"
expect_no_files "$work/logged" "a run whose print log failed"
pass "a print log that cannot be written fails the run"

echo "$passed passed, 0 failed"

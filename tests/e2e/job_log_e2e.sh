#!/usr/bin/env bash
# End to end: the job log of the real pillora. A printed job's line names the job, its print
# option, the printer asked for and the one used, the PDF it made and its pages; a failed
# job's line holds its status and the reason it gave on standard error; notices that do not
# stop a job (a job cut short inside a drug block) are warnings there. Refused job files
# (UTF-16, NUL bytes) say why in one line. Twenty runs ending at once each leave one whole
# line, also while the log is renamed past 1 MiB.
#
# Environment: PILLORA_BIN, PILLORA_PROFILE_BIN, PILLORA_SAMPLES.
set -euo pipefail
: "${PILLORA_BIN:?}" "${PILLORA_PROFILE_BIN:?}" "${PILLORA_SAMPLES:?}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export PILLORA_HOME=$work/home PILLORA_OUTPUT_DIR=$work/out PILLORA_LOG=$work/log/pillora.log
export CUPS_SERVER=$work/no-cups.sock
unset LPDEST PRINTER PILLORA_PRINT_LOG
mkdir -p "$PILLORA_HOME" "$work/jobs"
"$PILLORA_PROFILE_BIN" build "$PILLORA_SAMPLES/profile.csv" "$PILLORA_HOME/dbDrugProfile.mdb" \
  >/dev/null
failures=0
passed=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
check() { # what, command...
  local what=$1
  shift
  if "$@"; then passed=$((passed + 1)); else fail "$what"; fi
}
tab=$'\t'
# A whole line of the log: time with offset, program, process, fields, status (and message).
whole_line="^[0-9]{4}-[0-9]{2}-[0-9]{2}T[0-9]{2}:[0-9]{2}:[0-9]{2}[+-][0-9]{2}:[0-9]{2}${tab}pillora"
whole_line+="${tab}pid=[0-9]+${tab}.*${tab}status=[0-9]+(${tab}message=[^${tab}]*)?$"
last_line() { tail -n 1 "$PILLORA_LOG"; }
has_field() { last_line | grep -qF -- "$tab$1"; }

# --- a printed job
"$PILLORA_BIN" "$PILLORA_SAMPLES/sample.ndrg" 全部列印 "Pillora PDF" 2>"$work/err"
pages=$(pdfinfo "$PILLORA_OUTPUT_DIR/sample.pdf" | awk '/^Pages:/ { print $2 }')
check "a printed job's line is whole" grep -qE "$whole_line" <(last_line)
for field in "job=$PILLORA_SAMPLES/sample.ndrg" "option=全部列印" "asked=Pillora PDF" \
  "printer=Pillora PDF" "file=$PILLORA_OUTPUT_DIR/sample.pdf" "pages=$pages${tab}status=0"; do
  check "the printed job's line holds $field: $(last_line)" has_field "$field"
done
check "a clean job has no warning" bash -c "! tail -n 1 '$PILLORA_LOG' | grep -q warning="

# --- failed and refused jobs: status 1, one line on standard error, the same as message
expect_refused() { # job path, reason pattern
  local status=0
  "$PILLORA_BIN" "$1" 2>"$work/err" >/dev/null || status=$?
  check "$1 fails" [ "$status" -eq 1 ]
  check "$1: one line ($(cat "$work/err"))" [ "$(wc -l <"$work/err")" -eq 1 ]
  check "$1: says why ($(cat "$work/err"))" grep -qE "^pillora: $2\$" "$work/err"
  check "$1: the log has the reason ($(last_line))" \
    grep -qE "${tab}status=1${tab}message=$2\$" <(last_line)
}
expect_refused "$work/jobs/missing.ndrg" \
  "cannot read the job file $work/jobs/missing\\.ndrg: No such file or directory"
printf '\xff\xfeA\x00B\x00' >"$work/jobs/utf16.ndrg"
expect_refused "$work/jobs/utf16.ndrg" "job file $work/jobs/utf16\\.ndrg is UTF-16 text; .*"
printf 'a\r\nb\x00c\r\n' >"$work/jobs/nul.drg"
expect_refused "$work/jobs/nul.drg" "job file $work/jobs/nul\\.drg holds NUL bytes: .*"

# --- a job cut short inside its last drug block prints, and says so
head -n 20 "$PILLORA_SAMPLES/sample.ndrg" >"$work/jobs/cut.ndrg"
"$PILLORA_BIN" "$work/jobs/cut.ndrg" 全部列印 "Pillora PDF" 2>"$work/err"
check "a cut job warns once ($(cat "$work/err"))" [ "$(grep -c 'ends inside the block of drug' "$work/err")" -eq 1 ]
check "the warning reaches the log" grep -qF "${tab}warning=the job file $work/jobs/cut.ndrg ends inside the block of drug" <(last_line)
check "the cut job succeeded" grep -qF "${tab}status=0" <(last_line)

# --- twenty runs at once, half of them failing: twenty whole lines, twenty processes
run_twenty() {
  local i
  for i in $(seq 1 20); do
    if [ $((i % 2)) -eq 0 ]; then
      "$PILLORA_BIN" "$work/jobs/missing-$i.ndrg" 2>/dev/null &
    else
      PILLORA_OUTPUT_DIR=$work/out/many "$PILLORA_BIN" "$PILLORA_SAMPLES/single-drug.drg" \
        全部列印 "Pillora PDF" 2>/dev/null &
    fi
  done
  wait || true
}
rm -f "$PILLORA_LOG"
run_twenty
check "twenty lines" [ "$(wc -l <"$PILLORA_LOG")" -eq 20 ]
check "every line whole" [ "$(grep -cE "$whole_line" "$PILLORA_LOG")" -eq 20 ]
check "twenty processes" [ "$(grep -oE 'pid=[0-9]+' "$PILLORA_LOG" | sort -u | wc -l)" -eq 20 ]
check "ten failed" [ "$(grep -c "${tab}status=1${tab}message=cannot read the job file" "$PILLORA_LOG")" -eq 10 ]

# --- the same while the log grows past 1 MiB: one renaming, no line lost or broken
head -c $((1024 * 1024 - 2000)) /dev/zero | tr '\0' 'x' >"$PILLORA_LOG"
echo >>"$PILLORA_LOG"
run_twenty
both=$(cat "$PILLORA_LOG.1" "$PILLORA_LOG")
check "the log was renamed once" [ -f "$PILLORA_LOG.1" ]
check "twenty whole lines in the two files" [ "$(grep -cE "$whole_line" <<<"$both")" -eq 20 ]
check "nothing else but the old lines" [ "$(grep -cvE "$whole_line|^x+$" <<<"$both")" -eq 0 ]

# --- a log that cannot be written fails nothing, and says so
status=0
PILLORA_LOG=$work/out "$PILLORA_BIN" "$PILLORA_SAMPLES/single-drug.drg" 全部列印 "Pillora PDF" \
  2>"$work/err" || status=$?
check "an unwritable log fails no job" [ "$status" -eq 0 ]
check "one line names the log ($(cat "$work/err"))" grep -qE "^pillora: cannot write the job log $work/out: " "$work/err"

echo "$passed passed, $failures failed"
[ "$failures" -eq 0 ]

#!/usr/bin/env bash
# End to end: the archive of printed bags. A job printed on "Pillora PDF" leaves one private
# PDF in <archive>/YYYY/MM/DD/<hhmmss>-sample.ndrg.pdf whose text is the printed PDF's,
# titled with the job file's name, made by pillora, no patient data in its metadata, named
# in the job log; --archive-find finds it by the patient's name, and only within the days
# asked; archive.config's second line removes an older day once a day; an archive that
# cannot be written leaves the bags printed and one warning; label-free jobs that print
# nothing archive nothing.
#
# Environment: PILLORA_BIN, PILLORA_SOURCE_DIR.
set -euo pipefail
: "${PILLORA_BIN:?}" "${PILLORA_SOURCE_DIR:?}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$PILLORA_SOURCE_DIR/tests/support/profile_database.sh"
sample_job_folder "$work"
archive=$work/archive
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
print_sample() { "$PILLORA_BIN" "$work/sample.ndrg" 全部列印 "Pillora PDF"; }
log_field() { tail -n 1 "$PILLORA_LOG" | tr '\t' '\n' | sed -n "s/^$1=//p"; }

# --- a printed job and its copy (the folder named by archive.config)
printf '%s\r\n' "$archive" >"$PILLORA_HOME/archive.config"
print_sample 2>"$work/err"
copy=$(log_field archive)
today=$(date +%Y/%m/%d)
[[ "$copy" =~ ^$archive/$today/[0-9]{6}-sample\.ndrg\.pdf$ ]] || fail "archived as '$copy'"
if [ -f "$copy" ]; then
  pdftotext "$PILLORA_OUTPUT_DIR/sample.pdf" "$work/printed.txt"
  pdftotext "$copy" "$work/archived.txt"
  cmp -s "$work/printed.txt" "$work/archived.txt" || fail "the archived text is not the printed one"
  grep -q 王小明 "$work/archived.txt" || fail "no patient in the archived copy"
  pdfinfo "$copy" >"$work/info"
  grep -q '^Title: *sample\.ndrg$' "$work/info" || fail "title: $(cat "$work/info")"
  grep -q '^Creator: *pillora [0-9]*\.[0-9]*\.[0-9]*$' "$work/info" || fail "creator"
  grep -q '^CreationDate: ' "$work/info" || fail "no creation time"
  pdfinfo -meta "$copy" >>"$work/info"
  grep -q -e 王小明 -e 0912 "$work/info" && fail "patient data in the metadata"
  [ "$(stat -c %a "$copy")" = 600 ] || fail "the copy is not private"
  [ "$(stat -c %a "$archive/$today")" = 700 ] || fail "the day folder is not private"
else
  fail "no archived file"
fi
[ -s "$work/err" ] && fail "warnings: $(cat "$work/err")"

# --- the search
"$PILLORA_BIN" --archive-find 王小明 >"$work/found" || fail "--archive-find failed"
[ "$(cat "$work/found")" = "$copy" ] || fail "found: $(cat "$work/found")"
status=0
"$PILLORA_BIN" --archive-find 王小明 --to 2000-01-01 >"$work/found" 2>"$work/err" || status=$?
[ "$status" -eq 1 ] && [ ! -s "$work/found" ] || fail "found before 2000: $(cat "$work/found")"
status=0
"$PILLORA_BIN" --archive-find 王小明 --from 12/08 2>"$work/err" || status=$?
[ "$status" -eq 2 ] && grep -q 'YYYY-MM-DD' "$work/err" || fail "a wrong date: status $status"

# --- retention: days kept from line 2, older days removed once a day (PILLORA_ARCHIVE_DIR
# names the folder, archive.config still the days)
printf 'elsewhere\r\n30\r\n' >"$PILLORA_HOME/archive.config"
mkdir -p "$archive/2020/01/01" "$archive/notes"
echo old >"$archive/2020/01/01/100000-old.ndrg.pdf"
PILLORA_ARCHIVE_DIR=$archive print_sample 2>"$work/err"
[ -e "$archive/2020" ] && fail "the old day was kept"
[ -d "$archive/notes" ] || fail "a folder that is no day was removed"
[ "$(find "$archive/$today" -name '*.pdf' | wc -l)" -eq 2 ] || fail "today's copies: $(ls "$archive/$today")"
log_field archive-removed | grep -qx "$archive/2020/01/01" || fail "the job log names no removed day"
mkdir -p "$archive/2020/01/02"
PILLORA_ARCHIVE_DIR=$archive print_sample 2>"$work/err"
[ -d "$archive/2020/01/02" ] || fail "old days removed twice in one day"

# --- an archive that cannot be written: the bags print, one warning
rm -rf "$PILLORA_OUTPUT_DIR"
echo "a file" >"$work/not-a-folder"
status=0
PILLORA_ARCHIVE_DIR=$work/not-a-folder print_sample 2>"$work/err" || status=$?
[ "$status" -eq 0 ] && [ -f "$PILLORA_OUTPUT_DIR/sample.pdf" ] || fail "the bags did not print: $status"
[ "$(wc -l <"$work/err")" -eq 1 ] &&
  grep -q '^pillora: cannot archive the printed bags of sample.ndrg: ' "$work/err" ||
  fail "warning: $(cat "$work/err")"
tail -n 1 "$PILLORA_LOG" | grep -qF $'\t''warning=cannot archive the printed bags of sample.ndrg' ||
  fail "no warning in the job log"

# --- a bad number of days: a warning, every day kept
printf '%s\r\nmany\r\n' "$archive" >"$PILLORA_HOME/archive.config"
print_sample 2>"$work/err"
grep -q 'archive.config: line 2 "many" is no number of days' "$work/err" ||
  fail "bad days: $(cat "$work/err")"

if [ "$failures" -gt 0 ]; then
  exit 1
fi
echo "archive_e2e: all checks passed"

#!/usr/bin/env bash
# Labels end to end: the real pillora prints a ".ndrg" job (Big5, CR LF, written here) with
# print option "CP" on a private CUPS server that has a bag queue (the default) and a raw
# label queue described "TSC TTP-245 Plus". The capture backend keeps the bytes each job
# delivered: they must be the TSPL jobs, the same bytes the job gives as files when no queue
# has the printer's name. No bag may be printed; "test.cp.txt" is written.
#
# Environment: PILLORA_BIN, PILLORA_TESTS_DIR. Exit status 77 when CUPS is not installed.
set -euo pipefail

: "${PILLORA_BIN:?}"
services=${PILLORA_TESTS_DIR:?}/services/cups
source "$(dirname "${BASH_SOURCE[0]}")/../support/private_cups.sh"
begin_cups_test

to_big5() { iconv -f UTF-8 -t CP950 | sed 's/$/\r/'; }

# Seven drugs: two labels, the second with the seventh drug only.
write_job() {
  {
    printf '%s\n' '康寧社區藥局' '用藥安心' '02-2755-1234' '台北市大安區和平東路二段100號' \
      '林美華@陳志明' '2024/11/30' '仁心家庭醫學科診所' '3' '1' '王小明' '男／67' '家醫科' \
      '0912-345-678'
    for n in 1 2 3 4 5 6 7; do
      printf '%s\n' '----' '1' "AC1234510$n" TID '28' '84' "藥品$n" 'Brand' PO '1顆' 'A-01'
    done
    echo '//End DrugBagInfo'
  } | to_big5 >"$1"
}

# Whether a file begins or ends with these exact bytes.
begins_with() { cmp -s -n "${#2}" "$1" <(printf '%s' "$2"); }
ends_with() { cmp -s <(tail -c "${#2}" "$1") <(printf '%s' "$2"); }

# The captured jobs of a folder, in the order the server numbered them.
jobs_in() { ls "$1"/*.prn | sort -V; }

start_server
export CUPS_SERVER=$server/run/cups.sock CUPS_SERVERROOT=$server/etc HOME=$work/home
export PILLORA_HOME=$work/program TMPDIR=$work/tmp PILLORA_OUTPUT_DIR=$work/out
export PILLORA_LABEL_LOG=$work/label.log PILLORA_PRINT_LOG=$work/print.log PILLORA_LOG=$work/job.log
unset LPDEST PRINTER
mkdir -p "$HOME" "$PILLORA_HOME" "$TMPDIR" "$work/bags" "$work/labels" "$work/jobs"
lpadmin -p BagPrinter -E -v "capture:$work/bags" -D "Bag Printer" 2>/dev/null
lpadmin -p TSC_TTP-245_Plus -E -v "capture:$work/labels" -D "TSC TTP-245 Plus" 2>/dev/null
lpadmin -d BagPrinter
write_job "$work/jobs/123.ndrg"

"$PILLORA_BIN" "$work/jobs/123.ndrg"$'\t''CP'$'\t''Bag Printer' >"$work/run.out" 2>&1 ||
  fail "pillora failed: $(cat "$work/run.out")"
captured_job "$work/labels" 2 >/dev/null
mapfile -t labels < <(jobs_in "$work/labels")
[ "${#labels[@]}" -eq 2 ] || fail "expected two label jobs, got ${#labels[@]}"
setup=$'SIZE 60 mm,150 mm\r\nSPEED 3\r\nDENSITY 5\r\nGAP 3 mm,0 mm\r\nCLS\r\n'
for job in "${labels[@]}"; do
  begins_with "$job" "$setup" || fail "$job does not begin with the set-up"
  ends_with "$job" $'PRINT 1,1\r\n' || fail "$job does not end with PRINT 1,1"
done
[ "$(grep -a -c '^BITMAP ' "${labels[0]}")" -eq 10 ] || fail "the first label has not 10 lines"
[ "$(grep -a -c '^BITMAP ' "${labels[1]}")" -eq 1 ] || fail "the second label has not 1 line"
grep -a -q '^BITMAP 20,' "${labels[1]}" || fail "the seventh drug is not in the first column"
pass "the label queue received two TSPL jobs: 10 lines, then the seventh drug"

line=$(tail -n 1 "$work/job.log")
for field in $'\tprinter=TSC_TTP-245_Plus\t' $'\tcups-job=TSC_TTP-245_Plus-[0-9]+\tcups-job=TSC_TTP-245_Plus-[0-9]+\t' \
  $'\tfile=[^\t]*/test\.cp\.txt\t' $'\tstatus=0$'; do
  grep -qE "$field" <<<"$line" || fail "the job log line lacks $field: $line"
done
pass "the job log names the label queue, its two CUPS jobs and the text file"

[ -z "$(ls -A "$work/bags")" ] || fail "the bag queue received a job"
[ ! -e "$work/out" ] || fail "files were written: $(ls "$work/out")"
! grep -q -v '^printer	' "$work/print.log" || fail "the bag printer drew: $(head -n 3 "$work/print.log")"
pass "no bag was printed"

text=$(iconv -f CP950 -t UTF-8 "$TMPDIR/test.cp.txt")
grep -q -F '姓名:王小明　年齡/性別:67/男/　科別:家醫科　調劑日：1131130藥師:林美華' <<<"$text" ||
  fail "test.cp.txt lacks the first line: $text"
[ "$(grep -c $'\r$' "$TMPDIR/test.cp.txt")" -eq 17 ] && ends_with "$TMPDIR/test.cp.txt" $'\r\n\r\n' ||
  fail "test.cp.txt is not 16 lines and an empty one, CR LF"
pass "test.cp.txt holds the sixteen lines in Big5 with CR LF and the empty last line"

[ "$(head -n 1 "$PILLORA_LABEL_LOG")" = "openport	TSC TTP-245 Plus" ] ||
  fail "the label log begins with: $(head -n 1 "$PILLORA_LABEL_LOG")"
[ "$(grep -c '^windowsfont	' "$PILLORA_LABEL_LOG")" -eq 11 ] || fail "not 11 windowsfont calls logged"
pass "the label log holds the calls"

# The same job for a printer no queue is named after: the same bytes, as files.
printf '<cpprinter>Counter Labels</cpprinter>\r\n' >"$PILLORA_HOME/dbp.config"
"$PILLORA_BIN" "$work/jobs/123.ndrg" CP >"$work/files.out" 2>&1 || fail "$(cat "$work/files.out")"
cmp -s "${labels[0]}" "$work/out/123.tspl" && cmp -s "${labels[1]}" "$work/out/123-2.tspl" ||
  fail "the captured jobs differ from the label files"
[ -s "$work/out/123-label1.png" ] && [ -s "$work/out/123-2-label1.png" ] || fail "no label pictures"
[ "$(jobs_in "$work/labels" | wc -l)" -eq 2 ] || fail "a job went to the label queue"
pass "without a queue of that name the same TSPL goes to 123.tspl and 123-2.tspl with pictures"

# A dbp.config without the tags: no label, one line saying why, a failed run.
printf 'TSC TTP-245 Plus\r\n' >"$PILLORA_HOME/dbp.config"
status=0
"$PILLORA_BIN" "$work/jobs/123.ndrg" CP >"$work/tags.out" 2>&1 || status=$?
[ "$status" -eq 1 ] && [ "$(grep -vc 'drug-profile database cannot be opened' "$work/tags.out")" -eq 1 ] && grep -q 'cpprinter' "$work/tags.out" ||
  fail "exit $status: $(cat "$work/tags.out")"
[ "$(tail -n 2 "$PILLORA_LABEL_LOG" | tr '\n' ' ')" = "printlabel	1	1 closeport " ] ||
  fail "the failure path is not in the label log"
[ "$(jobs_in "$work/labels" | wc -l)" -eq 2 ] && [ ! -e "$work/out/123-3.tspl" ] || fail "a label was sent"
pass "a dbp.config without the tags fails the run with one line and sends nothing"

echo "$passed passed, 0 failed"

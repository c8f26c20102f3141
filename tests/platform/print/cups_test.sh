#!/usr/bin/env bash
# Printing through real CUPS queues on a private, throw-away CUPS server: a queue chosen by
# its description, the default queue, LPDEST, and the failures of a queue that vanished
# and of a server that stopped. The capture backend keeps the bytes each job delivered.
#
# Usage: cups_test.sh PRINT_DRIVER   (PILLORA_SHARED_DIR names the shared test services)
# Exit status 77 (skipped) only when no CUPS scheduler is installed.
set -euo pipefail

driver=$1
services=${PILLORA_SHARED_DIR:?}/test-services/cups
source "$(dirname "${BASH_SOURCE[0]}")/../../support/private_cups.sh"
begin_cups_test

is_pdf_of_sample() {
  [ "$(head -c 5 "$1")" = "%PDF-" ] && pdftotext "$1" - | grep -q '藥袋測試'
}

start_server
export CUPS_SERVER=$server/run/cups.sock
# Nothing of this machine's own CUPS client set-up may decide the default.
export CUPS_SERVERROOT=$server/etc HOME=$work/home PILLORA_OUTPUT_DIR=$work/files
unset LPDEST PRINTER PILLORA_PRINT_LOG
mkdir -p "$HOME" "$work/bags" "$work/counter" "$work/jobs"

lpadmin -p BagPrinter1 -E -v "capture:$work/bags" -D "Bag Printer 1" 2>/dev/null
lpadmin -p Counter -E -v "capture:$work/counter" -D "Counter Printer" 2>/dev/null
lpadmin -p Gone -E -v "capture:$work/counter" -D "Gone Printer" 2>/dev/null
lpadmin -d Counter

list=$("$driver" --list)
grep -qxF "Bag Printer 1	BagPrinter1" <<<"$list" || fail "queue missing from the list: $list"
[ "$(tail -n 2 <<<"$list")" = "Pillora PDF	Pillora PDF
Pillora PNG	Pillora PNG" ] || fail "built-in printers not last: $list"
pass "the list holds the queues by description and the built-in printers"

PILLORA_PRINT_LOG=$work/print.log "$driver" "$work/jobs/123.ndrg" " Bag Printer 1 " ||
  fail "printing on Bag Printer 1 failed"
job=$(captured_job "$work/bags" 1)
is_pdf_of_sample "$job" || fail "$job is not the sample PDF"
grep -qxF "printer	Bag Printer 1" "$work/print.log" || fail "print log lacks the printer line"
grep -q 'argv\[3\]="123.ndrg"' "$server/log/error_log" || fail "job not titled 123.ndrg"
[ -z "$(ls -A "$work/counter")" ] && [ ! -e "$work/files" ] || fail "output went elsewhere too"
pass "the queue chosen by ' Bag Printer 1 ' received one PDF job titled 123.ndrg"

"$driver" "$work/jobs/456.ndrg" || fail "printing on the default queue failed"
is_pdf_of_sample "$(captured_job "$work/counter" 1)" || fail "default queue got no PDF"
pass "without a choice the default queue prints"

LPDEST=BagPrinter1 "$driver" "$work/jobs/789.ndrg" || fail "printing with LPDEST failed"
captured_job "$work/bags" 2 >/dev/null
pass "LPDEST overrides the default queue"

lpoptions -p BagPrinter1/Draft -o print-quality=3 >/dev/null
"$driver" "$work/jobs/inst.ndrg" "Bag Printer 1/Draft" || fail "printing on an instance failed"
captured_job "$work/bags" 3 >/dev/null
grep -q 'argv\[3\]="inst.ndrg"' "$server/log/error_log" || fail "instance job not printed"
pass "an lpoptions instance prints on its queue"

status=0
"$driver" "$work/jobs/1.ndrg" "Gone Printer" "lpadmin -x Gone" 2>"$work/gone.err" || status=$?
[ "$status" -eq 1 ] || fail "a vanished queue gave status $status"
grep -qx 'pillora: cannot print on Gone: there is no such print queue' "$work/gone.err" || fail "no error line: $(cat "$work/gone.err")"
pass "a vanished queue is a printer error, reported on standard error"

status=0
"$driver" "$work/jobs/2.ndrg" "BagPrinter1" "'$services/stop-cups.sh' '$server'" 2>"$work/down.err" ||
  status=$?
[ "$status" -eq 1 ] || fail "a stopped server gave status $status"
grep -q '^pillora: cannot print on BagPrinter1: the print server .* does not answer$' "$work/down.err" ||
  fail "no error line: $(cat "$work/down.err")"
pass "a stopped server is a printer error, reported on standard error"

echo "$passed passed, 0 failed"

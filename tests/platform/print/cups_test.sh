#!/usr/bin/env bash
# Printing through real CUPS queues on a private, throw-away CUPS server: a queue chosen by
# its description, the default queue, LPDEST, and the failures of a queue that vanished
# and of a server that stopped. The capture backend keeps the bytes each job delivered.
#
# Usage: cups_test.sh PRINT_DRIVER PILLORA_BIN SAMPLE_JOB
#        (PILLORA_TESTS_DIR names the shared test services)
# Exit status 77 (skipped) only when no CUPS scheduler is installed.
set -euo pipefail

driver=$1
pillora=$2
sample=$3
services=${PILLORA_TESTS_DIR:?}/services/cups
source "$(dirname "${BASH_SOURCE[0]}")/../../support/private_cups.sh"
begin_cups_test

# The only line of a file of standard error output, besides the notice of the missing
# drug-profile database, is the expected one.
one_error_line() { # file, expected line (a grep pattern)
  [ "$(grep -vc 'drug-profile database cannot be opened' "$1")" -eq 1 ] && grep -qx "$2" "$1" || fail "not one error line: $(cat "$1")"
}

# The top-left corner of the sample's text in a PDF, in points: "x y".
sample_text_corner() {
  pdftotext -bbox "$1" - | sed -n 's/.*xMin="\([0-9.]*\)" yMin="\([0-9.]*\)".*>藥袋測試<.*/\1 \2/p'
}

# A driver for an A4 printer that takes PDF as it is, with the printable area given in
# points (left bottom right top).
write_pdf_ppd() { # file, imageable area
  cat >"$1" <<PPD
*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "MARGINS.PPD"
*Manufacturer: "Pillora Tests"
*Product: "(Margins)"
*ModelName: "Margins"
*ShortNickName: "Margins"
*NickName: "Margins"
*PSVersion: "(3010.000) 0"
*cupsFilter: "application/pdf 0 -"
*OpenUI *PageSize: PickOne
*DefaultPageSize: A4
*PageSize A4: "<</PageSize[595 842]>>setpagedevice"
*CloseUI: *PageSize
*OpenUI *PageRegion: PickOne
*DefaultPageRegion: A4
*PageRegion A4: "<</PageSize[595 842]>>setpagedevice"
*CloseUI: *PageRegion
*DefaultImageableArea: A4
*ImageableArea A4: "$2"
*DefaultPaperDimension: A4
*PaperDimension A4: "595 842"
PPD
}

is_pdf_of_bags() {
  [ "$(head -c 5 "$1")" = "%PDF-" ] && pdftotext "$1" - | grep -q '王小明'
}

is_pdf_of_sample() {
  [ "$(head -c 5 "$1")" = "%PDF-" ] && pdftotext "$1" - | grep -q '藥袋測試'
}

start_server
export CUPS_SERVER=$server/run/cups.sock
# Nothing of this machine's own CUPS client set-up may decide the default.
export CUPS_SERVERROOT=$server/etc HOME=$work/home PILLORA_OUTPUT_DIR=$work/files
unset LPDEST PRINTER PILLORA_PRINT_LOG
# Under the leak checker standard error holds the program's own lines only.
export LSAN_OPTIONS=${LSAN_OPTIONS:+$LSAN_OPTIONS:}print_suppressions=0
mkdir -p "$HOME" "$work/bags" "$work/counter" "$work/jobs"

# Bag queues have a driver (one that passes PDF through); a queue without one is raw.
write_pdf_ppd "$work/pdf.ppd" "0 0 595 842"
bag_queue() { # name, folder, description
  lpadmin -p "$1" -E -v "capture:$2" -D "$3" -P "$work/pdf.ppd" 2>/dev/null
}
bag_queue BagPrinter1 "$work/bags" "Bag Printer 1"
bag_queue Counter "$work/counter" "Counter Printer"
bag_queue Gone "$work/counter" "Gone Printer"
lpadmin -p Labels -E -v "capture:$work/labels" -D "TSC TTP-245 Plus" 2>/dev/null
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
[ "$(pdfinfo "$job" | sed -n 's/^Title: *//p')" = 123.ndrg ] || fail "the PDF is not titled 123.ndrg"
[ -z "$(ls -A "$work/counter")" ] && [ ! -e "$work/files" ] || fail "output went elsewhere too"
pass "the queue chosen by ' Bag Printer 1 ' received one PDF job titled 123.ndrg"

"$driver" "$work/jobs/456.ndrg" || fail "printing on the default queue failed"
is_pdf_of_sample "$(captured_job "$work/counter" 1)" || fail "default queue got no PDF"
pass "without a choice the default queue prints"

LPDEST=BagPrinter1 "$driver" "$work/jobs/789.ndrg" || fail "printing with LPDEST failed"
captured_job "$work/bags" 2 >/dev/null
pass "LPDEST overrides the default queue"

# Margins of 18 points at the sides and 14 at the top and bottom (as a PCL laser printer has).
write_pdf_ppd "$work/margins.ppd" "18 14 577 828"
mkdir -p "$work/margins"
lpadmin -p Margins -E -v "capture:$work/margins" -P "$work/margins.ppd" 2>/dev/null
"$driver" "$work/jobs/margins.ndrg" Margins || fail "printing on the queue with margins failed"
read -r x0 y0 < <(sample_text_corner "$job")
read -r x1 y1 < <(sample_text_corner "$(captured_job "$work/margins" 1)")
awk -v x0="$x0" -v y0="$y0" -v x1="$x1" -v y1="$y1" \
  'BEGIN { dx = x1 - x0 - 18; dy = y1 - y0 - 14; exit !(dx * dx < 0.01 && dy * dy < 0.01) }' ||
  fail "the text moved from ($x0, $y0) to ($x1, $y1), not by the margins (18, 14)"
pass "on a queue with margins the positions start at the printable area's corner"

"$pillora" --list-printers >"$work/list.out" 2>"$work/list.err" || fail "--list-printers failed"
grep -qxF "Bag Printer 1	BagPrinter1" "$work/list.out" &&
  grep -qxF "Counter Printer	Counter	default" "$work/list.out" &&
  grep -qxF "TSC TTP-245 Plus	Labels	raw queue: labels only" "$work/list.out" &&
  grep -qxF "Pillora PDF	Pillora PDF" "$work/list.out" && [ ! -s "$work/list.err" ] ||
  fail "pillora --list-printers: $(cat "$work/list.out" "$work/list.err")"
pass "pillora --list-printers shows the queues, the default and the raw queue marked"

# The built-in printers' names are reserved: a job naming one gets the built-in printer even
# when a CUPS queue bears the same name, and CUPS is not asked at all.
bag_queue PilloraPDF "$work/counter" "PILLORA PDF"
requests=$(wc -l <"$server/log/access_log")
counted=$(find "$work/counter" -name '*.prn' | wc -l)
PILLORA_PRINT_LOG=$work/reserved.log "$pillora" "$sample" 全部列印 " pillora pdf " >/dev/null \
  2>"$work/reserved.err" || fail "printing on ' pillora pdf ' failed: $(cat "$work/reserved.err")"
[ "$(grep '^printer' "$work/reserved.log")" = "printer	Pillora PDF" ] ||
  fail "the print log names other printers: $(grep '^printer' "$work/reserved.log")"
is_pdf_of_bags "$(ls "$work/files"/sample*.pdf)" || fail "no PDF file of the bags"
[ "$(wc -l <"$server/log/access_log")" -eq "$requests" ] ||
  fail "CUPS was asked: $(tail -n +"$((requests + 1))" "$server/log/access_log")"
[ "$(find "$work/counter" -name '*.prn' | wc -l)" -eq "$counted" ] || fail "the queue got a job"
rm -rf "$work/files"
lpadmin -x PilloraPDF
pass "a job naming a built-in printer gets it, whatever CUPS queue bears its name"

mkdir -p "$work/labels"
"$pillora" "$sample" 全部列印 "bag printer 1" >/dev/null 2>"$work/case.err" ||
  fail "printing on 'bag printer 1' failed: $(cat "$work/case.err")"
is_pdf_of_bags "$(captured_job "$work/bags" 3)" || fail "Bag Printer 1 got no bags"
! grep -q 'no printer is named' "$work/case.err" || fail "a warning for a matching name"
pass "a printer name in other letter case prints on that printer"

"$pillora" "$sample" 全部列印 "Bag Printr 1" >/dev/null 2>"$work/typo.err" ||
  fail "printing with a misspelt printer failed: $(cat "$work/typo.err")"
is_pdf_of_bags "$(captured_job "$work/counter" 2)" || fail "the default queue got no bags"
one_error_line "$work/typo.err" 'pillora: no printer is named "Bag Printr 1"; the bags go to the default printer "Counter Printer"'
pass "a misspelt printer prints on the default queue with one warning naming both"

for asked in "TSC TTP-245 Plus" ""; do
  status=0
  if [ -n "$asked" ]; then
    "$pillora" "$sample" 全部列印 "$asked" >/dev/null 2>"$work/raw.err" || status=$?
  else
    LPDEST=Labels "$pillora" "$sample" >/dev/null 2>"$work/raw.err" || status=$?
  fi
  [ "$status" -eq 1 ] || fail "bags on the raw queue gave status $status"
  one_error_line "$work/raw.err" 'pillora: cannot print bags on Labels: it is a raw queue (no driver), which takes labels only'
  [ -z "$(ls -A "$work/labels")" ] || fail "the raw queue received a job"
done
pass "bags on a raw queue, chosen or the default, fail on one line naming the queue"

lpoptions -p BagPrinter1/Draft -o print-quality=3 >/dev/null
"$driver" "$work/jobs/inst.ndrg" "Bag Printer 1/Draft" || fail "printing on an instance failed"
captured_job "$work/bags" 4 >/dev/null
grep -q 'argv\[3\]="inst.ndrg"' "$server/log/error_log" || fail "instance job not printed"
pass "an lpoptions instance prints on its queue"

bag_queue Refusing "$work/counter" "Refusing Printer"
cupsreject Refusing
status=0
"$pillora" "$sample" 全部列印 "Refusing Printer" 2>"$work/refused.err" >/dev/null || status=$?
[ "$status" -eq 1 ] || fail "a queue refusing jobs gave status $status"
one_error_line "$work/refused.err" 'pillora: cannot print on Refusing: .*'
pass "pillora reports a queue that refuses jobs on one line"

status=0
"$driver" "$work/jobs/1.ndrg" "Gone Printer" "lpadmin -x Gone" 2>"$work/gone.err" || status=$?
[ "$status" -eq 1 ] || fail "a vanished queue gave status $status"
one_error_line "$work/gone.err" 'pillora: cannot print on Gone: there is no such print queue'
pass "a vanished queue is a printer error, reported on standard error"

status=0
"$driver" "$work/jobs/2.ndrg" "BagPrinter1" "'$services/stop.sh' '$server'" 2>"$work/down.err" ||
  status=$?
[ "$status" -eq 1 ] || fail "a stopped server gave status $status"
one_error_line "$work/down.err" 'pillora: cannot print on BagPrinter1: the print server .* does not answer'
pass "a stopped server is a printer error, reported on standard error"

status=0
"$pillora" "$sample" 全部列印 "Bag Printer 1" >/dev/null 2>"$work/nocups.err" || status=$?
[ "$status" -eq 0 ] || fail "printing without a server gave status $status"
one_error_line "$work/nocups.err" 'pillora: no printer is named "Bag Printer 1" (the print server .* does not answer); the bags go to the default printer "Pillora PDF"'
ls "$work/files"/sample*.pdf >/dev/null || fail "no PDF without a server"
pass "without a print server the bags go to a PDF, with one warning naming both printers"

echo "$passed passed, 0 failed"

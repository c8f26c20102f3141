#!/usr/bin/env bash
# Labels end to end under Wine: the sample job with print option "CP" goes, as a RAW
# document, to the Windows printer the label printer's name (dbp.config) names. Wine lists
# the queues of the CUPS server CUPS_SERVER names as its printers: here a private CUPS server
# whose raw queue keeps what it gets with the capture backend. The captured job must be
# the TSPL job: the set-up, one BITMAP per label line (the text drawn with GDI), PRINT; the
# label log lists the calls as on Linux, and no bag is printed.
#
# Usage: labels_e2e.sh PILLORA_EXE HOST_LAUNCH_EXE TEMPLATE_PREFIX
# Exit status 77 (skipped) when no CUPS scheduler is installed.
source "$(dirname "${BASH_SOURCE[0]}")/../support/private_cups.sh" # start_server
source "$(dirname "${BASH_SOURCE[0]}")/wine_job.sh"
PATH=$PATH:/usr/sbin:/sbin
if ! command -v cupsd >/dev/null || ! command -v lpadmin >/dev/null; then
  echo "skipped: cupsd or lpadmin is not installed"
  exit 77
fi
services=$PILLORA_TESTS_DIR/services/cups
server=$work/cups
trap '"$services/stop.sh" "$server"; rm -rf "$work"' EXIT
start_server >/dev/null
export CUPS_SERVER=$server/run/cups.sock CUPS_SERVERROOT=$server/etc
mkdir -p "$work/labels"
lpadmin -p TSC_TTP-245_Plus -E -v "capture:$work/labels" -D "TSC TTP-245 Plus"

make_prefix
make_program_folder
printf '<cpprinter>TSC_TTP-245_Plus</cpprinter>\r\n' >"$work/home/dbp.config"
run_sample 'CP' 'Bag Printer 1'

for _ in $(seq 300); do # the server hands the job on in its own time (30 s at most)
  label=$(ls "$work"/labels/*.prn 2>/dev/null | head -n 1) && [ -n "$label" ] && break
  sleep 0.1
done
setup=$'SIZE 60 mm,150 mm\r\nSPEED 3\r\nDENSITY 5\r\nGAP 3 mm,0 mm\r\nCLS\r\n'
if [ -z "${label:-}" ]; then
  fail "the label queue got nothing"
else
  [ "$(ls "$work"/labels/*.prn | wc -l)" -eq 1 ] || fail "more than one label job"
  cmp -s -n "${#setup}" "$label" <(printf '%s' "$setup") || fail "the label job does not begin with the set-up"
  cmp -s <(tail -c 11 "$label") <(printf 'PRINT 1,1\r\n') || fail "the label job does not end with PRINT 1,1"
  bitmaps=$(grep -a -c '^BITMAP ' "$label" || true)
  windowsfonts=$(grep -c $'^windowsfont\t' "$work/label.log" || true)
  [ "$bitmaps" -gt 0 ] && [ "$bitmaps" -eq "$windowsfonts" ] ||
    fail "$bitmaps BITMAP commands for $windowsfonts windowsfont calls"
fi
grep -q $'^openport\tTSC_TTP-245_Plus$' "$work/label.log" || fail "the label log lacks openport"
grep -q $'^windowsfont\t.*王小明' "$work/label.log" || fail "no label line names the patient"
! grep -q '^text' "$work/print.log" 2>/dev/null || fail "a bag was printed"

[ "$failures" -eq 0 ] || exit 1
echo "windows labels e2e: all checks passed"

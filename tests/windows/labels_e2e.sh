#!/usr/bin/env bash
# Labels end to end under Wine: the sample job with print option "CP" goes, as a RAW
# document, to the Windows printer named like the label printer, here a Wine printer whose
# port is a file (Wine reaches CUPS queues only through a CUPS server it can find, which a
# test cannot count on). The file must hold the TSPL job: the set-up, one BITMAP per label
# line (the text drawn with GDI), PRINT; the label log lists the same calls as on Linux, and
# no bag is printed.
#
# Usage: labels_e2e.sh PILLORA_EXE HOST_LAUNCH_EXE TEMPLATE_PREFIX
source "$(dirname "${BASH_SOURCE[0]}")/wine_job.sh"

make_prefix 'TSC TTP-245 Plus' "$work/label.prn"
make_program_folder
run_sample 'CP' 'Bag Printer 1'

label=$work/label.prn
setup=$'SIZE 60 mm,150 mm\r\nSPEED 3\r\nDENSITY 5\r\nGAP 3 mm,0 mm\r\nCLS\r\n'
[ -s "$label" ] || fail "the label printer got nothing"
cmp -s -n "${#setup}" "$label" <(printf '%s' "$setup") || fail "the label job does not begin with the set-up"
cmp -s <(tail -c 11 "$label") <(printf 'PRINT 1,1\r\n') || fail "the label job does not end with PRINT 1,1"
bitmaps=$(grep -a -c '^BITMAP ' "$label" || true)
windowsfonts=$(grep -c $'^windowsfont\t' "$work/label.log" || true)
[ "$bitmaps" -gt 0 ] && [ "$bitmaps" -eq "$windowsfonts" ] ||
  fail "$bitmaps BITMAP commands for $windowsfonts windowsfont calls"
grep -q $'^openport\tTSC TTP-245 Plus$' "$work/label.log" || fail "the label log lacks openport"
grep -q $'^windowsfont\t.*王小明' "$work/label.log" || fail "no label line names the patient"
! grep -q '^text' "$work/print.log" 2>/dev/null || fail "a bag was printed"

[ "$failures" -eq 0 ] || exit 1
echo "windows labels e2e: all checks passed"

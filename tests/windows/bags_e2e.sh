#!/usr/bin/env bash
# End to end under Wine: the sample job printed by pillora.exe, started as the host
# application starts it (one command line: job path, TAB, print option, TAB, printer name), on
# a Wine PostScript printer whose port is a file, with the drug-profile database (an SQLite
# file) read through unixODBC's SQLite driver. Checks that
#  - the print log equals, line for line, the log the Linux build writes for the same job
#    (tests/e2e/sample_bags.log, which the Linux test sample_bags_log_e2e keeps true),
#  - the PostScript document carries the job file's name as its title,
#  - converted to PDF, it shows the patient's name and the drug's Chinese name where the log
#    puts them, within a point, measured from the corner of the printer's printable area.
#
# Usage: bags_e2e.sh PILLORA_EXE HOST_LAUNCH_EXE TEMPLATE_PREFIX
source "$(dirname "${BASH_SOURCE[0]}")/wine_job.sh"

make_prefix 'Bag Printer 1' "$work/bag.ps"
make_program_folder
run_sample '全部列印' 'Bag Printer 1'

expected=$source/tests/e2e/sample_bags.log
if [ "$(head -n 1 "$work/print.log")" != $'printer\tBag Printer 1' ]; then
  fail "the log does not start with the chosen printer: $(head -n 1 "$work/print.log")"
fi
diff <(tail -n +2 "$expected") <(tail -n +2 "$work/print.log") >"$work/diff" ||
  fail "the print log differs from the Linux one: $(head -20 "$work/diff")"

grep -aq '^%%Title: sample.ndrg' "$work/bag.ps" || fail "the document is not named after the job file"

# The printable area's corner on the sheet, in points, from the printer's PPD.
ppd=$(ls "$work"/prefix/drive_c/windows/system32/spool/drivers/x64/3/*.ppd | head -n 1)
read -r corner_x corner_y < <(sed -n 's/^\*ImageableArea A4\/[^:]*: *"\([0-9.]*\) \([0-9.]*\) \([0-9.]*\) \([0-9.]*\)".*/\1 \2 \3 \4/p' "$ppd" |
  awk '{ print $1, 842 - $4 }' | head -n 1)

ps2pdf "$work/bag.ps" "$work/bag.pdf"
words=$(pdftotext -bbox "$work/bag.pdf" -)
# Where the log puts a text and where the PDF shows it agree within a point.
expect_at() { # text
  local logged shown
  logged=$(awk -F'\t' -v t="$1" '$1 == "text" && $7 == t { printf "%.2f %.2f\n", $2 / 20, $3 / 20; exit }' "$work/print.log")
  shown=$(sed -n "s/.*xMin=\"\([0-9.]*\)\" yMin=\"\([0-9.]*\)\".*>$1<.*/\1 \2/p" <<<"$words" | head -n 1)
  [ -n "$logged" ] || { fail "the log has no text '$1'"; return; }
  [ -n "$shown" ] || { fail "the PDF does not show '$1'"; return; }
  awk -v l="$logged" -v s="$shown" -v cx="$corner_x" -v cy="$corner_y" 'BEGIN {
    split(l, a, " "); split(s, b, " ");
    dx = b[1] - cx - a[1]; dy = b[2] - cy - a[2];
    exit !(dx <= 1 && dx >= -1 && dy <= 1 && dy >= -1) }' ||
    fail "'$1' logged at $logged, shown at $shown (printable area from $corner_x $corner_y)"
}
expect_at '王小明'
expect_at '退熱寧錠500毫克'

[ "$failures" -eq 0 ] || exit 1
echo "windows bags e2e: all checks passed"

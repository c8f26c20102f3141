#!/usr/bin/env bash
# End to end under Wine: the sample job printed by pillora.exe, started as the host
# application starts it (one command line: job path, TAB, print option, TAB, printer name), on
# a Wine PostScript printer whose port is a file, with the drug-profile database (an SQLite
# file) read through unixODBC's SQLite driver. Checks that
#  - the print log equals, line for line, the log the Linux build writes for the same job
#    (tests/e2e/sample_bags.log, which the Linux test sample_bags_log_e2e keeps true),
#  - the PostScript document carries the job file's name as its title,
#  - it shows the patient's name and the drug's Chinese name where the Linux build's page
#    shows them (tests/e2e/sample_bags.origins), within a point, measured from the corner of
#    the printer's printable area,
#  - with an archive folder set, the bags print all the same and one warning says that this
#    build keeps no archive,
#  - pillora.exe --list-printers lists the Windows printers on standard output, the default
#    one marked.
#
# Usage: bags_e2e.sh PILLORA_EXE HOST_LAUNCH_EXE TEMPLATE_PREFIX
source "$(dirname "${BASH_SOURCE[0]}")/wine_job.sh"

make_prefix
add_file_printer 'Bag Printer 1' "$work/bag.ps"
make_program_folder
PILLORA_ARCHIVE_DIR=$(windows_path "$work/archive") run_sample '全部列印' 'Bag Printer 1'
grep -c . "$work/out" | grep -qx 1 &&
  grep -q 'cannot archive the printed bags of sample.ndrg: the Windows build' "$work/out" ||
  fail "not one warning of the archive: $(cat "$work/out")"
[ -e "$work/archive" ] && fail "the Windows build made an archive folder"

# The printer list goes to standard output when the caller reads it (as the launcher
# does): the file printer, marked as the default one.
printf '"%s" --list-printers' "$(windows_path "$work/pillora.exe")" >"$work/line"
WINEPREFIX=$work/prefix WINEDEBUG=-all LANG=zh_TW.UTF-8 LC_ALL='' DISPLAY='' \
  "$wine_loader" "$launcher" "$(windows_path "$work/line")" >"$work/printers" 2>&1 ||
  fail "pillora.exe --list-printers failed: $(cat "$work/printers")"
grep -q $'^Bag Printer 1\t.*\tdefault' "$work/printers" ||
  fail "the printer list lacks the default file printer: $(cat "$work/printers")"

expected=$source/tests/e2e/sample_bags.log
if [ "$(head -n 1 "$work/print.log")" != $'printer\tBag Printer 1' ]; then
  fail "the log does not start with the chosen printer: $(head -n 1 "$work/print.log")"
fi
diff <(tail -n +2 "$expected") <(tail -n +2 "$work/print.log") >"$work/diff" ||
  fail "the print log differs from the Linux one: $(head -20 "$work/diff")"

grep -aq '^%%Title: sample.ndrg' "$work/bag.ps" || fail "the document is not named after the job file"

# The printable area's corner on the sheet, in points, from the printer's PPD.
ppd=$(ls "$work"/prefix/drive_c/windows/system32/spool/drivers/x64/3/*.ppd | head -n 1)
read -r corner_x corner_y < <(sed -n 's/^\*ImageableArea A4\/[^:]*:[[:space:]]*"\([0-9.]*\) \([0-9.]*\) \([0-9.]*\) \([0-9.]*\)".*/\1 \2 \3 \4/p' "$ppd" |
  awk '{ print $1, 842 - $4 }' | head -n 1)

# Converted to PDF, the page reads as the patient's name and the drug's Chinese name.
ps2pdf "$work/bag.ps" "$work/bag.pdf"
pdf_text=$(pdftotext -enc UTF-8 "$work/bag.pdf" -)
for text in 王小明 退熱寧錠500毫克; do
  grep -qF "$text" <<<"$pdf_text" || fail "the PDF text lacks '$text'"
done

# Each text starts where it starts on the Linux build's page, within a point.
source "$source/tests/support/text_origin.sh"
while read -r text x y; do
  read -r shown_x shown_y < <(text_origin "$work/bag.ps" "$text") || true
  [ -n "${shown_x:-}" ] || { fail "the printed page does not show '$text'"; continue; }
  awk -v sx="$shown_x" -v sy="$shown_y" -v cx="$corner_x" -v cy="$corner_y" -v x="$x" -v y="$y" \
    'BEGIN { dx = sx - cx - x; dy = sy - cy - y; exit !(dx * dx <= 1 && dy * dy <= 1) }' ||
    fail "'$text' starts at $shown_x $shown_y, on Linux at $x $y (printable area from $corner_x $corner_y)"
done <"$source/tests/e2e/sample_bags.origins"

[ "$failures" -eq 0 ] || exit 1
echo "windows bags e2e: all checks passed"

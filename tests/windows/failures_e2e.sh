#!/usr/bin/env bash
# pillora.exe's failures on record under Wine: a window program's messages reach nobody, so
# each run must leave its line in the job log "pillora.log" in %LOCALAPPDATA%\Pillora.
#  - a job file that does not exist, and a prefix without any printer: the run fails (status 1)
#    and its line says why;
#  - no Access ODBC driver (none under Wine): the bags print with the job's own values and
#    the line warns, naming the driver;
#  - an SQLite profile database that the SQLite driver opens but cannot query (damaged after
#    its header, or without tblDrugBag): the bags print with the job's own values and the
#    line warns, in the words of a database that does not open.
#
# Usage: failures_e2e.sh PILLORA_EXE HOST_LAUNCH_EXE TEMPLATE_PREFIX
source "$(dirname "${BASH_SOURCE[0]}")/wine_job.sh"

make_prefix
make_program_folder
cannot_open='warning=the drug-profile database cannot be opened: '

# No printer at all: the job cannot be printed.
run_job "$work/sample.ndrg" '全部列印' 'Bag Printer 1' && fail "printed without a printer"
expect_logged pillora.log 'job=' 'status=1' 'message='

add_file_printer 'Bag Printer 1' "$work/bag.ps"

# The job file is not there.
run_job "$work/missing.ndrg" '全部列印' 'Bag Printer 1' && fail "a missing job printed"
expect_logged pillora.log 'status=1' 'message='
grep -q 'missing.ndrg' <(tail -n 1 "$(job_log pillora.log)") || fail "the line does not name the job"

# Printed with the job's values, without the profile's Chinese name, and a warning.
expect_job_values() {
  grep -q $'^text\t' "$work/print.log" || fail "no bag printed"
  grep -q '退熱寧錠500毫克' "$work/print.log" && fail "the profile's text was printed"
  rm -f "$work/print.log"
}

# No Access driver: the 64-bit flavour's usual case.
if [ "$wine_loader" = /usr/lib/wine/wine64 ]; then
  missing='the Access ODBC driver "Microsoft Access Driver (*.mdb, *.accdb)" is not installed (64-bit programs need Microsoft'"'"'s 64-bit Access Database Engine); the 32-bit (x86) package needs none'
else
  missing='the Access ODBC driver "Microsoft Access Driver (*.mdb)" is not installed'
fi
PILLORA_ODBC_DRIVER='' run_sample '全部列印' 'Bag Printer 1'
expect_logged pillora.log "$cannot_open$missing" 'status=0'
expect_job_values

# Databases the SQLite driver opens but cannot query.
database=$work/home/dbDrugProfile.mdb
cp "$database" "$work/sound.db"
for damage in header table; do
  if [ "$damage" = header ]; then # the pages after the 100-byte header overwritten
    size=$(stat -c %s "$database")
    { head -c 100 "$work/sound.db"; head -c $((size - 100)) /dev/zero | tr '\0' '\356'; } >"$database"
  else # a sound file without the profile table
    cp "$work/sound.db" "$database"
    sqlite3 "$database" 'ALTER TABLE tblDrugBag RENAME TO tblOther'
  fi
  run_sample '全部列印' 'Bag Printer 1'
  expect_logged pillora.log "$cannot_open" 'status=0'
  expect_job_values
done

[ "$failures" -eq 0 ] || exit 1
echo "windows failures e2e: all checks passed"

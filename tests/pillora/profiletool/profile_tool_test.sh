#!/bin/sh
# pillora-profile end to end: the sample profiles survive build and dump byte for byte, also
# in CP950; bad input is refused with its exit status, one line naming the file and without
# a file left behind; wrong arguments are one usage line.
# Arguments: the tool, the sample CSV, the Jet fixtures folder.
set -u
tool=$1 sample=$2 fixtures=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CACHE_HOME="$work/cache"
failures=0

check() {  # description, expected status, actual status
  if [ "$2" != "$3" ]; then
    echo "FAIL: $1 (exit status $3, expected $2)"
    failures=$((failures + 1))
  fi
}

"$tool" build "$sample" "$work/dbDrugProfile.mdb"
check "build the sample" 0 $?
"$tool" dump "$work/dbDrugProfile.mdb" >"$work/dump.csv"
check "dump the sample" 0 $?
cmp "$sample" "$work/dump.csv" || { echo "FAIL: the dump differs from the sample"; failures=$((failures + 1)); }

"$tool" build "$sample" "$work/dbDrugProfile.mdb" 2>"$work/err"
check "build over an existing database" 1 $?
grep -qxF "pillora-profile: $work/dbDrugProfile.mdb exists already; give --force to replace it" "$work/err" ||
  { echo "FAIL: no clear message: $(cat "$work/err")"; failures=$((failures + 1)); }
"$tool" dump "$work/dbDrugProfile.mdb" | cmp -s "$sample" - || { echo "FAIL: the existing database changed"; failures=$((failures + 1)); }

# The pharmacies' Big5 export: read as CP950 when asked, and found to be CP950 when not.
# (The sample holds a character or two that CP950 has not: they are left out here.)
iconv -c -f UTF-8 -t CP950 "$sample" >"$work/big5.csv"
iconv -f CP950 -t UTF-8 "$work/big5.csv" >"$work/big5-utf8.csv"
"$tool" build --encoding cp950 "$work/big5.csv" "$work/big5.mdb"
check "build from CP950 asked" 0 $?
"$tool" dump "$work/big5.mdb" | cmp -s "$work/big5-utf8.csv" - ||
  { echo "FAIL: CP950 read otherwise"; failures=$((failures + 1)); }
"$tool" build "$work/big5.csv" "$work/big5.mdb" --force 2>"$work/err"
check "build from CP950 found, replacing" 0 $?
grep -qxF "pillora-profile: $work/big5.csv: the text is not UTF-8 but CP950 (Big5): read as CP950" "$work/err" ||
  { echo "FAIL: no note of the encoding: $(cat "$work/err")"; failures=$((failures + 1)); }
"$tool" dump --encoding cp950 "$work/big5.mdb" | cmp -s "$work/big5.csv" - ||
  { echo "FAIL: the CP950 dump differs"; failures=$((failures + 1)); }
"$tool" build --encoding utf-8 "$work/big5.csv" "$work/utf8.mdb" 2>"$work/err"
check "build from CP950 read as UTF-8" 1 $?
grep -qxF "pillora-profile: $work/big5.csv: line 1: the text is not UTF-8" "$work/err" ||
  { echo "FAIL: $(cat "$work/err")"; failures=$((failures + 1)); }

# A repeated code is warned about with both lines; the database is built.
{ cat "$sample"; sed -n 2p "$sample"; } >"$work/twice.csv"
lines=$(wc -l <"$work/twice.csv")
code=$(sed -n 2p "$sample" | cut -d, -f1)
"$tool" build "$work/twice.csv" "$work/twice.mdb" 2>"$work/err"
check "build with a repeated code" 0 $?
grep -qxF "pillora-profile: $work/twice.csv: line $lines: the drug code $code is also on line 2; the lookup finds only the row of line 2" "$work/err" ||
  { echo "FAIL: no warning: $(cat "$work/err")"; failures=$((failures + 1)); }

# Input that is no ordinary file, or too large, is refused before it is read.
mkfifo "$work/fifo.csv"
truncate -s 268435457 "$work/huge.csv"
for input in /dev/zero "$work/fifo.csv" "$work/huge.csv"; do
  timeout 20 "$tool" build "$input" "$work/never.mdb" 2>"$work/err"
  check "build from $input" 1 $?
  [ "$(wc -l <"$work/err")" -eq 1 ] && grep -qF "$input" "$work/err" ||
    { echo "FAIL: $input: $(cat "$work/err")"; failures=$((failures + 1)); }
  [ ! -e "$work/never.mdb" ] || { echo "FAIL: a database from $input"; failures=$((failures + 1)); }
done

printf '藥品代碼,藥品名稱\r\n' >"$work/bad.csv"
"$tool" build "$work/bad.csv" "$work/bad.mdb" 2>"$work/err"
check "build from a bad CSV" 1 $?
grep -q "line 1: 2 fields where 8 belong" "$work/err" || { echo "FAIL: no line in: $(cat "$work/err")"; failures=$((failures + 1)); }
[ ! -e "$work/bad.mdb" ] || { echo "FAIL: a database was left from a bad CSV"; failures=$((failures + 1)); }

"$tool" build "$work/none.csv" "$work/none.mdb" 2>/dev/null
check "build from a missing CSV" 1 $?
"$tool" dump "$fixtures/V2000_no-password.mdb" >/dev/null 2>"$work/err"
check "dump an Access file without the profile table" 1 $?
grep -q "tblDrugBag" "$work/err" || { echo "FAIL: no clear message: $(cat "$work/err")"; failures=$((failures + 1)); }
expect_message() {  # description, expected status, text the message holds, dump arguments...
  description=$1 status=$2 text=$3
  shift 3
  "$tool" dump "$@" >/dev/null 2>"$work/err"
  check "$description" "$status" $?
  [ "$(wc -l <"$work/err")" -eq 1 ] && grep -q -- "$text" "$work/err" ||
    { echo "FAIL: $description: no clear message: $(cat "$work/err")"; failures=$((failures + 1)); }
}
expect_message "dump a protected file without its password" 1 "not a valid password" \
  "$fixtures/V2000_with-password.mdb"
expect_message "dump a protected file with its password" 1 "no such table: tblDrugBag" \
  --password password "$fixtures/V2000_with-password.mdb"
head -c 122880 "$fixtures/V2000_no-password.mdb" >"$work/cut.mdb"
expect_message "dump a file cut short" 1 "table Table1 gives 0 rows where it declares 3" \
  "$work/cut.mdb"

"$tool" build "$sample" "$work/no folder/x.mdb" 2>"$work/err"
check "build into a missing folder" 1 $?
grep -q "^pillora-profile: cannot write the database $work/no folder/x.mdb: " "$work/err" ||
  { echo "FAIL: the database is not named: $(cat "$work/err")"; failures=$((failures + 1)); }
expect_message "dump a missing database" 1 "cannot open the database $work/none.mdb: " "$work/none.mdb"

# Wrong arguments: one line, the help not among them.
usage_error() {  # description, the line expected, arguments...
  description=$1 expected=$2
  shift 2
  "$tool" "$@" >"$work/out" 2>"$work/err"
  check "$description" 2 $?
  [ "$(cat "$work/err")" = "pillora-profile: $expected; try 'pillora-profile --help'" ] && [ ! -s "$work/out" ] ||
    { echo "FAIL: $description: $(cat "$work/err")"; failures=$((failures + 1)); }
}
usage_error "no arguments" "no command given"
usage_error "build without a database" "build needs <csv> <database>" build "$sample"
usage_error "dump --password without a value" "--password needs a value" dump --password
usage_error "dump --password and no file" "dump needs <database>" dump --password x.mdb
usage_error "an unknown encoding" "--encoding takes utf-8 or cp950, not big5" build --encoding big5 a b
usage_error "force for dump" "dump takes no option --force" dump --force x.mdb
usage_error "an unknown command" "unknown command make" make
"$tool" --version | grep -qE '^pillora-profile [0-9]+\.[0-9]+\.[0-9]+$'
check "version" 0 $?
"$tool" --help | grep -q "is NULL"
check "help" 0 $?
"$tool" --help | grep -q "dump \[--password TEXT\] \[--encoding utf-8|cp950\] <database>"
check "help names the password" 0 $?

echo "$failures failed"
[ "$failures" -eq 0 ]

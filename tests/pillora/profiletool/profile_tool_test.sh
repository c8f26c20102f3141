#!/bin/sh
# pillora-profile end to end: the sample profiles survive build and dump byte for byte, and
# bad input is refused with its exit status and without a file left behind.
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
grep -q "exists already" "$work/err" || { echo "FAIL: no clear message: $(cat "$work/err")"; failures=$((failures + 1)); }
"$tool" dump "$work/dbDrugProfile.mdb" | cmp -s "$sample" - || { echo "FAIL: the existing database changed"; failures=$((failures + 1)); }

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

"$tool" dump "$work/none.mdb" >/dev/null 2>&1
check "dump a missing database" 1 $?
"$tool" >/dev/null 2>&1
check "no arguments" 2 $?
"$tool" build "$sample" >/dev/null 2>&1
check "build without a database" 2 $?
"$tool" --help | grep -q "is NULL"
check "help" 0 $?
"$tool" --help | grep -q "dump \[--password TEXT\] <database>"
check "help names the password" 0 $?

echo "$failures failed"
[ "$failures" -eq 0 ]

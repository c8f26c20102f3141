#!/usr/bin/env bash
# The drug-price import end to end under Wine: velsor.exe in silent mode with
# VELSOR_ACTION=price-update reads "all.puf" (code page 950, CR LF) in its service pack
# folder and replaces the rows of tblDrugs in "dbRimora.mdb", an SQLite file in the Rimora
# folder the registry names, reached through unixODBC's SQLite driver. The table then holds
# exactly the usable lines, Chinese text included, and "all.puf" is gone. A database that
# does not open, or an Access database without an Access ODBC driver, leaves the file and the
# table as they were; the failure is in the job log "velsor.log".
#
# Usage: velsor_price_e2e.sh VELSOR_EXE TEMPLATE_PREFIX
source "$(dirname "${BASH_SOURCE[0]}")/velsor_wine.sh"
export VELSOR_ACTION=price-update PILLORA_ODBC_DRIVER=SQLite3

# A fresh case: "all.puf" in the pack, a tblDrugs with one old row in the Rimora folder
# "my pharmacy/Rimora", the setting. Wine hands the connection string to the Unix driver as
# it is: with the folder set in Unix form the database is "<folder>\dbRimora.mdb", to the
# driver a file of that name beside the folder, here a link to the real one. (A folder name
# with Chinese characters does not reach the Unix driver intact through Wine.)
setup_case() { # name
  case_name=$1
  pack=$work/$case_name/pack
  host="$work/$case_name/my pharmacy/Rimora"
  database=$host/dbRimora.mdb
  mkdir -p "$pack" "$host"
  ln -s Rimora/dbRimora.mdb "$host\\dbRimora.mdb"
  sqlite3 "$database" "CREATE TABLE tblDrugs (id INTEGER PRIMARY KEY, 新 TEXT, 單複方註記 TEXT,
    代碼 TEXT, 藥價參考金額 DOUBLE, 藥價參考日期 DATETIME, 藥價參考截止日期 DATETIME,
    藥品英文名稱 TEXT, 藥品規格量 DOUBLE, 藥品規格單位 TEXT, 成份 TEXT, 成份含量 DOUBLE,
    含量單位 TEXT, 藥品劑型 TEXT, 製造廠名稱 TEXT);
    INSERT INTO tblDrugs (代碼, 藥價參考金額) VALUES ('OLD0000001', 1.5);"
  write_puf "$pack/all.puf"
  set_rimora_folder "$host"
}

rows() {
  sqlite3 -separator '|' "$database" "SELECT $columns FROM tblDrugs ORDER BY id"
}

make_prefix

# The two usable lines replace the old row; the header and the line priced "free" add none.
# The driver writes a date as a timestamp.
setup_case import
run_velsor
expected='N|2|AC00001100|12.5|2026-01-31 00:00:00.000|2026-12-31 00:00:00.000|ASPIRIN|0.5|錠|阿斯匹靈|100.0|MG|錠劑|生達
*|1|BC00002100|3.0|2026-02-01 00:00:00.000|2026-12-31 00:00:00.000|PANADOL|1000.0|粒|ACETAMINOPHEN|500.0|MG|膠囊劑|永信'
expect_imported "$expected"

# The database is no SQLite file: nothing changes, and the failure is shown.
setup_case no-database
mv "$database" "$database.kept"
printf 'not a database' >"$database"
run_velsor 1
mv "$database.kept" "$database"
expect_import_refused
expect_logged velsor.log 'action=price-update' 'status=1' 'message='

# An Access "dbRimora.mdb" without an Access ODBC driver (none under Wine): nothing changes,
# and the box and the job log name the driver missing.
setup_case no-access-driver
printf 'an Access file' >"$database"
PILLORA_ODBC_DRIVER='' run_velsor 1
grep -q $'^msgbox\t錯誤\t.*Access ODBC driver "Microsoft Access Driver (\\*.mdb' "$work/$case_name.out" ||
  fail "no box names the driver: $(cat "$work/$case_name.out")"
expect_logged velsor.log 'status=1' 'message=the Access ODBC driver "Microsoft Access Driver (*.mdb'
[ -e "$pack/all.puf" ] || fail "all.puf gone"

[ "$failures" -eq 0 ] || exit 1
echo "velsor.exe price update end to end: all cases passed"

#!/usr/bin/env bash
# The drug-price import under Wine into a SQL Server database that "Rimora.config" names:
# velsor.exe in silent mode with VELSOR_ACTION=price-update reaches it through Wine's odbc32
# and the driver RIMORA_ODBC_DRIVER names. The private PostgreSQL server of postgres_test.sh
# stands in for SQL Server (its port in PILLORA_TEST_PG_PORT); its tblDrugs refuses a
# negative price. The table then holds exactly the usable lines and "all.puf" is gone; a
# line the table refuses leaves both as they were.
#
# Usage (run by postgres_test.sh): velsor_sqlserver_e2e.sh VELSOR_EXE TEMPLATE_PREFIX
source "$(dirname "${BASH_SOURCE[0]}")/velsor_wine.sh"
export VELSOR_ACTION=price-update
port=${PILLORA_TEST_PG_PORT:?run by postgres_test.sh}

sql() {
  PGPASSWORD='Zr@61730285' /usr/lib/postgresql/15/bin/psql \
    "host=127.0.0.1 port=$port dbname=rimora user=sa" -qAt -F '|' -v ON_ERROR_STOP=1 -c "$1"
}
rows() { sql "SELECT $columns FROM tblDrugs ORDER BY id"; }

# A fresh case: "all.puf" (with any further lines given) in the pack, one old row in the
# table, Rimora's folder (blanks and Chinese in its name) with its "Rimora.config" naming
# the server, the setting.
setup_case() { # name, [line...]
  case_name=$1
  shift
  pack=$work/$case_name/pack
  host="$work/$case_name/藥局 系統/Rimora"
  mkdir -p "$pack" "$host"
  write_puf "$pack/all.puf" "$@"
  printf '<SQLNCLI>11</SQLNCLI>\r\n<IP>127.0.0.1,%s</IP><DB>rimora</DB>\r\n' "$port" \
    >"$host/Rimora.config"
  sql "DELETE FROM tblDrugs; INSERT INTO tblDrugs (代碼, 藥價參考金額) VALUES ('OLD0000001', 1.5)"
  set_rimora_folder "$(windows_path "$host")"
}

make_prefix

# The two usable lines replace the old row; the header and the line priced "free" add none.
setup_case import
run_velsor
expected='N|2|AC00001100|12.5|2026-01-31 00:00:00|2026-12-31 00:00:00|ASPIRIN|0.5|錠|阿斯匹靈|100|MG|錠劑|生達
*|1|BC00002100|3|2026-02-01 00:00:00|2026-12-31 00:00:00|PANADOL|1000|粒|ACETAMINOPHEN|500|MG|膠囊劑|永信'
expect_imported "$expected"

# The table refuses the last line's negative price: nothing changes, the failure is shown.
setup_case refused $'4\tN\t1\tAC00004100\t-1\t2026/01/01\t2026/12/31\tNEG\t1\t錠\tX\t1\tMG\t錠劑\t廠'
run_velsor 1
expect_import_refused

[ "$failures" -eq 0 ] || exit 1
echo "velsor.exe price update into SQL Server end to end: all cases passed"

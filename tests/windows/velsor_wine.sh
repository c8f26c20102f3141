# What the end-to-end tests of velsor.exe under Wine share, sourced by them: failures named
# after the case, Wine run in the test's prefix with code page 950, Rimora's folder set in
# the registry, velsor.exe run in silent mode on a case's service pack folder.
#
# The sourcing script's arguments: VELSOR_EXE TEMPLATE_PREFIX [WIZARD_DRIVER_EXE]. Needs
# PILLORA_SOURCE_DIR, PILLORA_TESTS_DIR.
velsor=${1:?}
template=${2:?}
driver=${3:-}
source "$(dirname "${BASH_SOURCE[0]}")/wine_test.sh"

fail() {
  echo "FAIL [${case_name:-}]: $*" >&2
  failures=$((failures + 1))
}
settings='HKCU\Software\VB and VBA Program Settings\Rimora\Options'

wine() {
  WINEPREFIX=$work/prefix WINEDEBUG=-all LANG=zh_TW.UTF-8 LC_ALL='' "$wine_loader" "$@"
}

# Waits up to a minute for a program started in the background to end, with the exit
# status given (0 when none is).
wait_ended() { # pid, [expected exit status]
  for _ in $(seq 600); do kill -0 "$1" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$1" 2>/dev/null; then
    fail "still running after a minute"
    kill "$1"
  fi
  local status=0
  wait "$1" || status=$?
  [ "$status" -eq "${2:-0}" ] || fail "ended with status $status"
}

set_rimora_folder() { # the registry value, as Rimora writes it
  wine reg add "$settings" /v RimoraStartupPath /d "$1" /f >/dev/null
}

# velsor.exe in silent mode on the service pack folder $pack; its lines go to
# $work/$case_name.out. It must end with the exit status given (0 when none is): 1 after a
# failed action, whose reason is then its one line on standard error.
run_velsor() { # [expected exit status]
  local expected=${1:-0} status=0
  VELSOR_SILENT=1 VELSOR_HOME=$(windows_path "$pack") wine "$velsor" \
    >"$work/$case_name.out" 2>"$work/$case_name.err" || status=$?
  [ "$status" -eq "$expected" ] ||
    fail "velsor.exe ended with $status, not $expected: $(cat "$work/$case_name.err")"
  if [ "$expected" -eq 1 ] && ! grep -q '^velsor: ' "$work/$case_name.err"; then
    fail "no reason on standard error: $(cat "$work/$case_name.err")"
  fi
}

# The drug-price file of the import tests: the header, two usable lines and one priced
# "free", code page 950, CR LF; then any further lines given (UTF-8, without line ends).
write_puf() { # file, [line...]
  local file=$1
  shift
  {
    printf 'id\t新\t單複方註記\t代碼\t藥價參考金額\t藥價參考日期\t藥價參考截止日期\t'
    printf '藥品英文名稱\t藥品規格量\t藥品規格單位\t成份\t成份含量\t含量單位\t藥品劑型\t製造廠名稱\r\n'
    printf '1\tN\t2\tAC00001100\t12.5\t2026/1/31\t2026-12-31\tASPIRIN\t0.5\t錠\t阿斯匹靈\t100\tMG\t錠劑\t生達\r\n'
    printf '2\t*\t1\tBC00002100\t3\t2026/02/01\t2026/12/31\tPANADOL\t1000\t粒\tACETAMINOPHEN\t500\tMG\t膠囊劑\t永信\r\n'
    printf '3\t\t1\tAC00003100\tfree\t2026/01/01\t2026/01/01\tX\t1\tmL\t\t1\t\t\t\r\n'
    local line
    for line in "$@"; do printf '%s\r\n' "$line"; done
  } | iconv -f UTF-8 -t CP950 >"$file"
}
# The columns the import fills, in their order.
columns='新, 單複方註記, 代碼, 藥價參考金額, 藥價參考日期, 藥價參考截止日期, 藥品英文名稱,
  藥品規格量, 藥品規格單位, 成份, 成份含量, 含量單位, 藥品劑型, 製造廠名稱'

# After an import (rows: the function that lists the table's rows, columns as above).
expect_imported() { # the rows expected
  [ "$(rows)" = "$1" ] || fail "rows: $(rows)"
  [ -e "$pack/all.puf" ] && fail "all.puf left"
  if grep -q '^msgbox' "$work/$case_name.out"; then
    fail "a message box: $(cat "$work/$case_name.out")"
  fi
}
# After an import that failed: the old row, "all.puf" kept, the failure shown.
expect_import_refused() {
  [ "$(rows)" = '||OLD0000001|1.5||||||||||' ] || fail "rows: $(rows)"
  [ -e "$pack/all.puf" ] || fail "all.puf gone"
  grep -q $'^msgbox\t錯誤\t更新藥價作業失敗' "$work/$case_name.out" ||
    fail "no failure box: $(cat "$work/$case_name.out")"
}

#!/usr/bin/env bash
# End to end: the real velsor in silent mode (VELSOR_SILENT=1) deploys the payload beside
# it ("a01.exe", "dbDrugProfile.mdb" in VELSOR_HOME) into the "tools" folder of the Rimora
# folder named by a settings file under a scratch XDG_CONFIG_HOME. Checks the deployed
# files, the payload, the output lines, the exit status, the reason of a failure (standard
# error, the box, "velsor.log"), that bad input leaves the old program in place, and that
# --help, --version and unknown arguments run no action.
#
# Environment: VELSOR_BIN.
set -euo pipefail

: "${VELSOR_BIN:?}"

work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
export VELSOR_SILENT=1 XDG_CONFIG_HOME="$work/config" PILLORA_LOG="$work/log/pillora.log"

failures=0
fail() {
  echo "FAIL [$case_name]: $*" >&2
  failures=$((failures + 1))
}

deployed=pillora
source "$(dirname "$0")/../support/velsor_checks.sh"

# A fresh case: payload, Rimora folder with an old program and database, settings file.
setup_case() { # name, Rimora folder
  case_name=$1
  host=$2
  export VELSOR_HOME="$work/$case_name/pack"
  mkdir -p "$VELSOR_HOME" "$host/tools"
  printf 'new program' >"$VELSOR_HOME/a01.exe"
  printf 'new database' >"$VELSOR_HOME/dbDrugProfile.mdb"
  printf 'old program' >"$host/tools/pillora"
  printf 'old database' >"$host/tools/dbDrugProfile.mdb"
  mkdir -p "$XDG_CONFIG_HOME/Rimora"
  printf '[Options]\r\nRimoraStartupPath=%s\r\n' "$host" >"$XDG_CONFIG_HOME/Rimora/settings.ini"
}

run_velsor() { # expected exit status, [command prefix...]
  local expected=$1 status=0
  shift
  "$@" "$VELSOR_BIN" "${velsor_args[@]}" >"$work/$case_name.out" 2>"$work/$case_name.err" ||
    status=$?
  [ "$status" -eq "$expected" ] ||
    fail "exit status $status, not $expected: $(cat "$work/$case_name.err")"
}
velsor_args=()

# The last line of velsor.log.
last_log_line() { tail -n 1 "$work/log/velsor.log"; }

# A failed deploy: the old program kept, exit status 1, the reason (holding the given text)
# once on standard error, below the box's text and as the log line's message.
expect_failure() { # text of the reason
  expect_old_program_kept
  local reason
  reason=$(cat "$work/$case_name.err")
  [ "$(wc -l <"$work/$case_name.err")" -eq 1 ] && [[ $reason == "velsor: "*"$1"* ]] ||
    fail "standard error: $reason"
  grep -qxF "$failure_box\\r\\n${reason#velsor: }" "$work/$case_name.out" ||
    fail "the box does not give the reason: $(cat "$work/$case_name.out")"
  last_log_line | grep -qF "${tab}status=1${tab}message=${reason#velsor: }" ||
    fail "log: $(last_log_line)"
}

# A host folder with blanks and Chinese characters deploys normally.
setup_case deploy "$work/藥局 系統/Rimora 2"
run_velsor 0
expect_file "$host/tools/$deployed" 'new program'
expect_file "$host/tools/dbDrugProfile.mdb" 'new database'
[ -e "$VELSOR_HOME/a01.exe" ] || [ -e "$VELSOR_HOME/dbDrugProfile.mdb" ] && fail "payload left"
cmp -s "$(dirname "$0")/velsor_deploy.out" "$work/$case_name.out" ||
  fail "output: $(cat "$work/$case_name.out")"
# The self-deleting script runs on its own and removes itself.
for _ in $(seq 50); do [ -e "$VELSOR_HOME/destroy.sh" ] || break; sleep 0.1; done
[ -e "$VELSOR_HOME/destroy.sh" ] && fail "destroy.sh still there"
# The log line names the action, its steps and its times.
last_log_line | grep -qE "${tab}action=deploy${tab}started=[0-9:]{8}${tab}step=複製更新檔案到電腦中${tab}step=刪除本次更新暫存檔${tab}ended=[0-9:]{8}${tab}status=0\$" ||
  fail "log: $(last_log_line)"

# --help and --version answer and run no action; any other argument is a usage error.
for asked in --help --version --deploy; do
  setup_case "argument$asked" "$work/argument$asked/Rimora"
  velsor_args=("$asked")
  expected=0
  [ "$asked" = --deploy ] && expected=2
  run_velsor "$expected"
  velsor_args=()
  expect_tools_unchanged
  expect_file "$VELSOR_HOME/a01.exe" 'new program'
done
grep -q '^usage: velsor' "$work/argument--help.out" || fail "help: $(cat "$work/argument--help.out")"
grep -qE '^velsor [0-9]+\.[0-9]+\.[0-9]+$' "$work/argument--version.out" ||
  fail "version: $(cat "$work/argument--version.out")"
[ "$(cat "$work/argument--deploy.err")" = "velsor: unknown argument --deploy; try 'velsor --help'" ] ||
  fail "usage error: $(cat "$work/argument--deploy.err")"

# A payload file that is a folder.
setup_case payload-folder "$work/payload-folder/Rimora"
rm "$VELSOR_HOME/a01.exe" && mkdir "$VELSOR_HOME/a01.exe"
run_velsor 1
expect_failure "a01.exe"

# A settings file with bytes that are not UTF-8.
setup_case bad-settings "$work/bad-settings/Rimora"
printf '[Options]\nRimoraStartupPath=%s\xff\xfe\n' "$host" >"$XDG_CONFIG_HOME/Rimora/settings.ini"
run_velsor 1
expect_failure "settings.ini"

# No settings file at all.
setup_case no-settings "$work/no-settings/Rimora"
rm "$XDG_CONFIG_HOME/Rimora/settings.ini"
run_velsor 1
expect_failure "Rimora folder"

# A target folder that cannot be written. Root writes anywhere unless its file-permission
# capabilities are dropped.
setup_case read-only-target "$work/read-only-target/Rimora"
chmod a-w "$host/tools"
if [ "$(id -u)" -ne 0 ]; then
  run_velsor 1
  expect_failure "tools"
elif command -v setpriv >/dev/null; then
  run_velsor 1 setpriv --inh-caps=-dac_override,-dac_read_search \
    --bounding-set=-dac_override,-dac_read_search
  expect_failure "tools"
else
  echo "skipped [$case_name]: root without setpriv" >&2
fi

[ "$failures" -eq 0 ] || exit 1
echo "velsor end to end: all cases passed"

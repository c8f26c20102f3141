#!/usr/bin/env bash
# End to end: the real velsor in silent mode (VELSOR_SILENT=1) deploys the payload beside
# it ("a01.exe", "dbDrugProfile.mdb" in VELSOR_HOME) into the "tools" folder of the Rimora
# folder named by a settings file under a scratch XDG_CONFIG_HOME. Checks the deployed
# files, the payload, the output lines, and that bad input leaves the old program in place.
#
# Environment: VELSOR_BIN.
set -euo pipefail

: "${VELSOR_BIN:?}"

work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
export VELSOR_SILENT=1 XDG_CONFIG_HOME="$work/config"

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

run_velsor() { # [command prefix...]
  if ! "$@" "$VELSOR_BIN" >"$work/$case_name.out" 2>"$work/$case_name.err"; then
    fail "velsor failed: $(cat "$work/$case_name.err")"
  fi
}

# A host folder with blanks and Chinese characters deploys normally.
setup_case deploy "$work/藥局 系統/Rimora 2"
run_velsor
expect_file "$host/tools/$deployed" 'new program'
expect_file "$host/tools/dbDrugProfile.mdb" 'new database'
[ -e "$VELSOR_HOME/a01.exe" ] || [ -e "$VELSOR_HOME/dbDrugProfile.mdb" ] && fail "payload left"
cmp -s "$(dirname "$0")/velsor_deploy.out" "$work/$case_name.out" ||
  fail "output: $(cat "$work/$case_name.out")"
# The self-deleting script runs on its own and removes itself.
for _ in $(seq 50); do [ -e "$VELSOR_HOME/destroy.sh" ] || break; sleep 0.1; done
[ -e "$VELSOR_HOME/destroy.sh" ] && fail "destroy.sh still there"

# A payload file that is a folder.
setup_case payload-folder "$work/payload-folder/Rimora"
rm "$VELSOR_HOME/a01.exe" && mkdir "$VELSOR_HOME/a01.exe"
run_velsor
expect_old_program_kept

# A settings file with bytes that are not UTF-8.
setup_case bad-settings "$work/bad-settings/Rimora"
printf '[Options]\nRimoraStartupPath=%s\xff\xfe\n' "$host" >"$XDG_CONFIG_HOME/Rimora/settings.ini"
run_velsor
expect_old_program_kept

# A target folder that cannot be written. Root writes anywhere unless its file-permission
# capabilities are dropped.
setup_case read-only-target "$work/read-only-target/Rimora"
chmod a-w "$host/tools"
if [ "$(id -u)" -ne 0 ]; then
  run_velsor
  expect_old_program_kept
elif command -v setpriv >/dev/null; then
  run_velsor setpriv --inh-caps=-dac_override,-dac_read_search \
    --bounding-set=-dac_override,-dac_read_search
  expect_old_program_kept
else
  echo "skipped [$case_name]: root without setpriv" >&2
fi

[ "$failures" -eq 0 ] || exit 1
echo "velsor end to end: all cases passed"

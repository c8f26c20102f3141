#!/usr/bin/env bash
# The wizard end to end under Wine: velsor.exe in silent mode (VELSOR_SILENT=1) deploys the
# payload of its service pack ("a01.exe", "dbDrugProfile.mdb" in VELSOR_HOME) into the
# "tools" folder of the Rimora folder the registry names, writing the lines the Linux build
# writes (tests/e2e/velsor_deploy.out), and "destroy.bat" deletes itself. A missing payload
# file or a missing setting changes nothing; the failure is in the job log "velsor.log". Then the same through the window, clicked.
#
# Usage: velsor_e2e.sh VELSOR_EXE TEMPLATE_PREFIX WIZARD_DRIVER_EXE
source "$(dirname "${BASH_SOURCE[0]}")/velsor_wine.sh"

deployed=Pillora.exe
source "$source/tests/support/velsor_checks.sh"

# A fresh case: payload, Rimora folder with an old program and database, the setting.
setup_case() { # name, Rimora folder
  case_name=$1
  host=$2
  pack=$work/$case_name/pack
  mkdir -p "$pack" "$host/tools"
  printf 'new program' >"$pack/a01.exe"
  printf 'new database' >"$pack/dbDrugProfile.mdb"
  printf 'old program' >"$host/tools/Pillora.exe"
  printf 'old database' >"$host/tools/dbDrugProfile.mdb"
  set_rimora_folder "$(windows_path "$host")"
}

expect_payload_and_old_program_kept() {
  expect_old_program_kept
  expect_file "$pack/dbDrugProfile.mdb" 'new database'
}

# Through the window: the failure box, if any, is checked as it shows.
expect_nothing_changed() {
  expect_tools_unchanged
  expect_file "$pack/dbDrugProfile.mdb" 'new database'
}

make_prefix
# Wine's session takes its display at its start: the window cases below need one.
start_display

# A host folder with blanks and Chinese characters deploys.
setup_case deploy "$work/藥局 系統/Rimora 2"
run_velsor
expect_file "$host/tools/$deployed" 'new program'
expect_file "$host/tools/dbDrugProfile.mdb" 'new database'
[ -e "$pack/a01.exe" ] || [ -e "$pack/dbDrugProfile.mdb" ] && fail "payload left"
cmp -s "$source/tests/e2e/velsor_deploy.out" "$work/$case_name.out" ||
  fail "output: $(cat "$work/$case_name.out")"
# "destroy.bat" runs in a console of its own and deletes itself.
for _ in $(seq 100); do [ -e "$pack/destroy.bat" ] || break; sleep 0.1; done
[ -e "$pack/destroy.bat" ] && fail "destroy.bat still there"

# The payload's program is missing.
setup_case missing-payload "$work/missing-payload/Rimora"
rm "$pack/a01.exe"
run_velsor 1
expect_payload_and_old_program_kept
# The failure is on record in the job log with its reason.
expect_logged velsor.log 'action=deploy' 'status=1' 'message=no payload file '

# The Rimora folder is not set.
setup_case no-setting "$work/no-setting/Rimora"
wine reg delete "$settings" /v RimoraStartupPath /f >/dev/null
run_velsor 1
expect_payload_and_old_program_kept

# The window, clicked as the pharmacist clicks it, on the virtual display.
start_wizard() {
  VELSOR_HOME=$(windows_path "$pack") wine "$velsor" >"$work/$case_name.out" 2>&1 &
  wizard=$!
}
drive() { wine "$driver" "$@" || fail "wizard_driver $*: nothing to act on"; }

# OK deploys; the program ends by itself.
setup_case window-ok "$work/window-ok/Rimora"
start_wizard
drive texts >"$work/window.texts"
grep -qx '藥袋模組更新程式' "$work/window.texts" || fail "the window shows: $(cat "$work/window.texts")"
drive click 確定
wait_ended "$wizard"
expect_file "$host/tools/$deployed" 'new program'
[ -e "$pack/a01.exe" ] && fail "payload left"

# A missing payload: the failure box, answered; the program ends and nothing has changed.
setup_case window-failure "$work/window-failure/Rimora"
rm "$pack/a01.exe"
start_wizard
drive click 確定
box=$(drive box)
[[ $box == '更新失敗|在進行更新程式前，請關閉目前正在執行的申報軟體。'$'\r\n''no payload file '*a01.exe* ]] ||
  fail "no failure box with its reason: $box"
wait_ended "$wizard" 1
expect_nothing_changed

# Cancel closes the window and the program; nothing has changed.
setup_case window-cancel "$work/window-cancel/Rimora"
start_wizard
drive click 取消
wait_ended "$wizard"
expect_file "$pack/a01.exe" 'new program'
expect_nothing_changed

[ "$failures" -eq 0 ] || exit 1
echo "velsor.exe end to end: all cases passed"

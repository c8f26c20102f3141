# The checks the wizard's end-to-end tests make of one case, sourced by them.
# Needs: fail, work, case_name, host (Rimora's folder), deployed (the program's name in its
# "tools" folder); a case's output lines in $work/$case_name.out.
tab=$'\t'
failure_box="msgbox${tab}更新失敗${tab}在進行更新程式前，請關閉目前正在執行的申報軟體。"

expect_file() { # path, contents
  [ "$(cat "$1" 2>/dev/null)" = "$2" ] || fail "$1 does not hold '$2'"
}

# The old program and database stay, nothing else is left in "tools".
expect_tools_unchanged() {
  expect_file "$host/tools/$deployed" 'old program'
  expect_file "$host/tools/dbDrugProfile.mdb" 'old database'
  [ "$(ls -A "$host/tools" | wc -l)" -eq 2 ] || fail "files left in tools: $(ls -A "$host/tools")"
}

# The update failed, and said so: "tools" unchanged, the failure box with a reason on a line
# below its text, no progress 100.
expect_old_program_kept() {
  expect_tools_unchanged
  grep -qF "$failure_box\\r\\n" "$work/$case_name.out" ||
    fail "no failure box: $(cat "$work/$case_name.out")"
  if grep -qx "progress${tab}100" "$work/$case_name.out"; then fail "progress reached 100"; fi
}

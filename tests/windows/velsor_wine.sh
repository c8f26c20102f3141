# What the end-to-end tests of velsor.exe under Wine share, sourced by them: failures named
# after the case, Wine run in the test's prefix with code page 950, Rimora's folder set in
# the registry, velsor.exe run in silent mode on a case's service pack folder.
#
# The sourcing script's arguments: VELSOR_EXE TEMPLATE_PREFIX [WIZARD_DRIVER_EXE]. Needs
# PILLORA_SOURCE_DIR, PILLORA_SHARED_DIR.
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
  WINEPREFIX=$work/prefix WINEDEBUG=-all LANG=zh_TW.UTF-8 LC_ALL='' /usr/lib/wine/wine64 "$@"
}

# Waits up to a minute for a program started in the background to end; it must succeed.
wait_ended() { # pid
  for _ in $(seq 600); do kill -0 "$1" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$1" 2>/dev/null; then
    fail "still running after a minute"
    kill "$1"
  fi
  wait "$1" || fail "ended with status $?"
}

set_rimora_folder() { # the registry value, as Rimora writes it
  wine reg add "$settings" /v RimoraStartupPath /d "$1" /f >/dev/null
}

# velsor.exe in silent mode on the service pack folder $pack; its lines go to
# $work/$case_name.out.
run_velsor() {
  VELSOR_SILENT=1 VELSOR_HOME=$(windows_path "$pack") wine "$velsor" \
    >"$work/$case_name.out" 2>"$work/$case_name.err" ||
    fail "velsor.exe failed: $(cat "$work/$case_name.err")"
}

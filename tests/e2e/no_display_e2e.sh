#!/usr/bin/env bash
# The window programs without a display: pillora-testform answers --help and --version on
# standard output first; with no display it and velsor say so in one line and end with
# status 1, instead of Qt ending them. Each run's job log line holds the reason. velsor opens
# its window from the module velsor-window.so beside it: without the module it says so in
# one line, and its help, version and silent runs never map Qt.
#
# Usage: no_display_e2e.sh TESTFORM_BIN VELSOR_BIN
set -euo pipefail

testform=$1
velsor=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export PILLORA_LOG=$work/pillora.log HOME=$work
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM VELSOR_SILENT
fail() {
  echo "FAILED: $*" >&2
  exit 1
}

"$testform" --help >"$work/help.out" 2>"$work/help.err" || fail "--help failed"
grep -q '^usage: pillora-testform' "$work/help.out" && [ ! -s "$work/help.err" ] ||
  fail "--help: $(cat "$work/help.out" "$work/help.err")"
[ "$("$testform" --version)" = "pillora-testform 1.0.0" ] || fail "--version"
echo "ok - pillora-testform answers --help and --version without a display"

for program in "$testform" "$velsor"; do
  name=$(basename "$program")
  status=0
  "$program" >"$work/run.out" 2>"$work/run.err" || status=$?
  [ "$status" -eq 1 ] || fail "$name without a display ended with status $status"
  [ "$(cat "$work/run.err")" = "$name: no display to show the window on (DISPLAY and WAYLAND_DISPLAY are not set)" ] ||
    fail "$name: $(cat "$work/run.err")"
  grep -q "no display to show the window on" "$work/$name.log" ||
    fail "$name's job log lacks the reason: $(cat "$work/$name.log")"
  echo "ok - $name without a display says so in one line and ends with status 1"
done

# velsor's window module: loaded for the window only.
mkdir "$work/alone"
cp "$velsor" "$work/alone/velsor"
status=0
"$work/alone/velsor" >/dev/null 2>"$work/run.err" || status=$?
[ "$status" -eq 1 ] && [ "$(wc -l <"$work/run.err")" -eq 1 ] &&
  grep -qF "velsor: cannot load the window: $work/alone/velsor-window.so: cannot open" "$work/run.err" ||
  fail "velsor without its window module: status $status, $(cat "$work/run.err")"
grep -q "message=cannot load the window" "$work/velsor.log" ||
  fail "velsor's job log lacks the missing window module: $(cat "$work/velsor.log")"
qt=$({ LD_DEBUG=files "$work/alone/velsor" --version 2>&1 >/dev/null || true; } | grep -c 'libQt6' || true)
[ "$qt" -eq 0 ] || fail "velsor --version maps Qt"
qt=$({ LD_DEBUG=files VELSOR_SILENT=1 VELSOR_HOME=$work/none "$work/alone/velsor" 2>&1 >/dev/null ||
  true; } | grep -c 'libQt6' || true)
[ "$qt" -eq 0 ] || fail "a silent velsor run maps Qt"
echo "ok - velsor loads its window module for the window only, and says so when it is missing"

#!/usr/bin/env bash
# Runs the test window's tests under Wine: in a prefix of their own whose default printer is a
# PostScript printer writing each document to a file, on an X display of their own (Xvfb),
# since Wine draws windows through X.
#
# Usage: testform_window.sh TESTS_EXE TESTFORM_EXE FILE_PRINTER_TOOL_EXE TEMPLATE_PREFIX
# (the tool is the Wine kit's add-file-printer, built by the build). Needs PILLORA_SOURCE_DIR,
# PILLORA_SHARED_DIR.
tests=${1:?}
testform=${2:?}
printer_tool=${3:?}
template=${4:?}
source "$(dirname "${BASH_SOURCE[0]}")/wine_test.sh"

make_prefix
unset LC_ALL
export WINEPREFIX=$work/prefix WINEDEBUG=-all LANG=zh_TW.UTF-8 WINEDLLOVERRIDES="mscoree,mshtml="
PILLORA_TESTFORM_EXE=$(windows_path "$testform")
PILLORA_TESTFORM_PRINTOUT=$(windows_path "$work/bag.ps")
export PILLORA_TESTFORM_EXE PILLORA_TESTFORM_PRINTOUT

# One Wine session on the display: the printer installed (as the default printer), the
# windows left to Wine alone (the display has no window manager, and Wine would wait two
# seconds for one at every window it hides), the tests; every process of the prefix ended
# before the display goes away.
xvfb-run -a sh -c '
  wine64=/usr/lib/wine/wine64
  "$wine64" "$0" "Bag Printer 1" "$PILLORA_TESTFORM_PRINTOUT" >/dev/null &&
    "$wine64" reg add "HKCU\\Software\\Wine\\X11 Driver" /v Managed /d N /f >/dev/null &&
    "$wine64" "$1"
  status=$?
  /usr/lib/wine/wineserver -k
  exit $status' "$printer_tool" "$tests"

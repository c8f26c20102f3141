#!/usr/bin/env bash
# Runs a Windows test program under Wine, as scripts/wine-run does, but in a prefix of its own
# cloned from the build folder's: what the program writes into the registry stays there. The
# exit status is the program's.
#
# Usage: own_prefix.sh PROGRAM TEMPLATE_PREFIX [ARGS...]. Needs PILLORA_SOURCE_DIR,
# PILLORA_SHARED_DIR.
program=${1:?}
template=${2:?}
shift 2
source "$(dirname "${BASH_SOURCE[0]}")/wine_test.sh"

make_prefix
# The clone is made already: wine-run must not make it anew.
touch "$work/prefix.made"
status=0
"$source/scripts/wine-run" "$work/prefix" "$program" "$@" || status=$?
WINEPREFIX=$work/prefix /usr/lib/wine/wineserver -k 2>/dev/null || true
exit "$status"

#!/usr/bin/env bash
# Runs a Windows test program under Wine in a prefix of its own, cloned from the build
# folder's: what the program writes into the registry stays there. With --display also on a
# virtual X display of its own, for programs that open windows. Every process of the prefix
# has ended when this returns; the exit status is the program's.
#
# Usage: own_prefix.sh [--display] PROGRAM TEMPLATE_PREFIX [ARGS...]. Needs
# PILLORA_SOURCE_DIR, PILLORA_TESTS_DIR.
display=
if [ "${1:-}" = --display ]; then
  display=yes
  shift
fi
program=${1:?}
template=${2:?}
shift 2
source "$(dirname "${BASH_SOURCE[0]}")/wine_test.sh"

make_prefix
[ -z "$display" ] || start_display
export WINEPREFIX=$work/prefix WINEDEBUG=-all LANG=zh_TW.UTF-8 LC_ALL='' \
  WINEDLLOVERRIDES="mscoree,mshtml="
status=0
"$wine_loader" "$program" "$@" || status=$?
/usr/lib/wine/wineserver -k 2>/dev/null || true
exit "$status"

#!/usr/bin/env bash
# Runs a Windows test program that opens windows: under Wine, in a prefix of its own, on a
# virtual X display of its own. Every process of the prefix has ended when this returns.
# The exit status is the program's.
#
# Usage: on_display.sh PROGRAM TEMPLATE_PREFIX [ARGS...]. Needs PILLORA_SOURCE_DIR,
# PILLORA_SHARED_DIR.
program=${1:?}
template=${2:?}
shift 2
source "$(dirname "${BASH_SOURCE[0]}")/wine_test.sh"

make_prefix
start_display
export WINEPREFIX=$work/prefix WINEDEBUG=-all LANG=zh_TW.UTF-8 LC_ALL='' \
  WINEDLLOVERRIDES="mscoree,mshtml="
/usr/lib/wine/wine64 "$program" "$@"

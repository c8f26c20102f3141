#!/bin/bash
# Wine prefixes for testing the Windows build without a screen: code page 950 (zh_TW.UTF-8),
# the Kai font under the Windows face names, and PostScript printers that write each
# document to a file.
#
#   prefix.sh make DIR                 a new prefix in DIR (10-20 s)
#   prefix.sh clone FROM TO            a copy of a made prefix (hard links; under a second)
#   prefix.sh printer DIR NAME FILE    a PostScript printer NAME whose port is FILE (a Unix
#                                      path; each document replaces it)
#   prefix.sh printer32 DIR NAME FILE  the same, usable by 32-bit programs too (once
#                                      enable-wine32.sh has run on the machine)
#   prefix.sh wine64                   prints the 64-bit loader's path
#
# Programs run in a prefix with: WINEPREFIX=DIR WINEDEBUG=-all LANG=zh_TW.UTF-8 LOADER prog.exe
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
WINE64=${WINE64:-/usr/lib/wine/wine64}
WINE32=${WINE32:-/usr/lib/wine/wine}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LANG=zh_TW.UTF-8
unset DISPLAY

settle() { WINEPREFIX=$1 /usr/lib/wine/wineserver -w; }

make_prefix() {
  local dir=$1
  if ! locale -a 2>/dev/null | grep -qi '^zh_TW.utf8$'; then
    echo "prefix.sh: the zh_TW.UTF-8 locale is missing (scripts/setup makes it)" >&2
    return 1
  fi
  rm -rf "$dir"
  mkdir -p "$(dirname "$dir")"
  WINEPREFIX=$dir "$WINE64" wineboot -i >/dev/null 2>&1
  settle "$dir"
  local fonts=$dir/drive_c/windows/Fonts
  cp /usr/share/wine/fonts/*.ttf "$fonts/" 2>/dev/null || true
  cp /usr/share/fonts/truetype/arphic/ukai.ttc "$fonts/" 2>/dev/null || {
    echo "prefix.sh: fonts-arphic-ukai is not installed" >&2
    return 1
  }
  # The bags ask for the Windows face names. Wine's PostScript driver draws CFF/OpenType
  # faces (Noto CJK) as empty outlines, so every name maps to the TrueType Kai face.
  local key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'
  for face in 標楷體 DFKai-SB 微軟正黑體; do
    WINEPREFIX=$dir "$WINE64" reg add "$key" /v "$face" /t REG_SZ /d "AR PL UKai TW" /f \
      >/dev/null 2>&1
  done
  settle "$dir"
}

# The printer tool, built with the given MinGW compiler into the prefix once.
printer_tool() { # prefix, compiler, exe name
  local exe=$1/$3
  [ -f "$exe" ] || "$2" -O1 -municode -static -o "$exe" "$here/add_file_printer.cpp" -lwinspool
  echo "$exe"
}

windows_path() { # prefix, unix path
  WINEPREFIX=$1 "$WINE64" winepath -w "$2" 2>/dev/null | tr -d '\r'
}

add_printer() { # prefix, name, file
  local tool
  tool=$(printer_tool "$1" x86_64-w64-mingw32-g++-posix add_file_printer.exe)
  WINEPREFIX=$1 "$WINE64" "$tool" "$2" "$(windows_path "$1" "$3")" >/dev/null
  settle "$1"
}

# 32-bit programs need the printer's driver for the x86 environment as well: the same tool,
# built for i686 and run by the 32-bit loader, adds it.
add_printer32() { # prefix, name, file
  add_printer "$@"
  local tool
  tool=$(printer_tool "$1" i686-w64-mingw32-g++-posix add_file_printer32.exe)
  WINEPREFIX=$1 "$WINE32" "$tool" "$2" "$(windows_path "$1" "$3")" >/dev/null
  settle "$1"
}

case "${1:-}" in
  make) make_prefix "$2" ;;
  clone) rm -rf "$3" && cp -al "$2" "$3" ;;
  printer) add_printer "$2" "$3" "$4" ;;
  printer32) add_printer32 "$2" "$3" "$4" ;;
  wine64) echo "$WINE64" ;;
  *)
    sed -n '2,14p' "$0" >&2
    exit 2
    ;;
esac

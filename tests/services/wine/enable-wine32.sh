#!/bin/bash
# Lets this Debian 12 amd64 machine run 32-bit Windows programs under Wine: Wine's 32-bit
# loader (wine32:i386) runs through qemu user-mode emulation. As root; idempotent, about
# 20 s the first time and 2 s after.
#
# Debian 12's own qemu (7.2) will not do: it ignores MAP_FIXED_NOREPLACE and searches the
# guest's memory page by page, so every 32-bit Wine process spends about a minute and then
# ends with "failed to map the shared user data". The qemu-i386 of the bookworm-backports
# suite's qemu-user package works: its one static binary is taken out of the package, so no
# apt source is added and no installed package is replaced.
#
# Afterwards `wine prog32.exe` runs a 32-bit program, `/usr/lib/wine/wine64 prog64.exe` a
# 64-bit one; a prefix made (or updated) after this runs both.
set -euo pipefail
qemu=/usr/local/lib/wine32/qemu-i386
export DEBIAN_FRONTEND=noninteractive

# 1. The i386 architecture and Wine's 32-bit side (wine32:i386 moves some amd64 libraries to
#    the versions of their i386 twins).
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  apt-get update -qq
fi
packages=(wine wine64 wine32:i386 libsqliteodbc:i386 odbc-mdbtools:i386)
if ! dpkg -s "${packages[@]}" >/dev/null 2>&1; then
  apt-get update -qq
  apt-get install -y -qq "${packages[@]}" >/dev/null
fi

# 2. qemu-i386 8.1 or later, out of bookworm-backports through an apt index of its own.
if ! "$qemu" --version 2>/dev/null | grep -qE 'version (8\.[1-9]|9|[1-9][0-9])\.'; then
  scratch=$(mktemp -d)
  trap 'rm -rf "$scratch"' EXIT
  mkdir -p "$scratch/parts" "$scratch/lists/partial" "$scratch/cache/archives/partial"
  mirror=$(awk '/^URIs:/ { print $2; exit }' /etc/apt/sources.list.d/*.sources 2>/dev/null || true)
  [ -n "$mirror" ] || mirror=$(awk '$1 == "deb" && $2 !~ /^\[/ { print $2; exit }' /etc/apt/sources.list)
  printf '%s\n' 'Types: deb' "URIs: $mirror" 'Suites: bookworm-backports' 'Components: main' \
    'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg' >"$scratch/parts/backports.sources"
  options=(-o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$scratch/parts"
    -o Dir::State::Lists="$scratch/lists" -o Dir::Cache="$scratch/cache"
    -o APT::Architectures::=amd64 -o APT::Sandbox::User=root)
  apt-get "${options[@]}" update -qq
  (cd "$scratch" && apt-get "${options[@]}" download qemu-user 2>/dev/null)
  dpkg-deb -x "$scratch"/qemu-user_*.deb "$scratch/unpacked"
  install -D -m 755 "$scratch/unpacked/usr/bin/qemu-i386" "$qemu"
fi

# 3. i386 ELF programs through that qemu (flag F: the interpreter is opened now, so it works
#    in containers too). Only the qemu-i386 entry is touched.
misc=/proc/sys/fs/binfmt_misc
mountpoint -q "$misc" || mount -t binfmt_misc binfmt_misc "$misc"
if ! grep -qx "interpreter $qemu" "$misc/qemu-i386" 2>/dev/null; then
  [ ! -e "$misc/qemu-i386" ] || echo -1 >"$misc/qemu-i386"
  # The kernel reads the \x escapes itself: they are written as text, not as bytes.
  printf '%s%s:F' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:' \
    "$qemu" >"$misc/register"
fi

# 4. The check: a 32-bit Windows program in a prefix of its own (made once, about 20 s).
WINEPREFIX=/tmp/pillora-wine32-check WINEDEBUG=-all DISPLAY='' \
  wine 'C:\windows\syswow64\cmd.exe' /c 'echo wine32: %PROCESSOR_ARCHITECTURE% ok'

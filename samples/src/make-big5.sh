#!/usr/bin/env sh
# The sample job files are Big5 (code page 950) with CR LF line ends, as the host
# application writes them. They are kept here as UTF-8 text for reading and editing;
# this script writes each samples/src/NAME.txt as samples/NAME (or into the folder given).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$here/..}
for src in "$here"/*.txt; do
  name=$(basename "$src" .txt)
  iconv -f UTF-8 -t CP950 "$src" > "$out/$name.tmp"
  sed 's/$/\r/' "$out/$name.tmp" > "$out/$name"
  rm "$out/$name.tmp"
done

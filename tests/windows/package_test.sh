#!/usr/bin/env bash
# The pharmacy package of this build's flavour (scripts/zip-windows): the zip
# "pillora-<version>-windows-<flavour>.zip" holds exactly the folder "pillora" with the three
# programs, the README, the font note and the run-time libraries' notices, and each program
# is a Windows program of the flavour's architecture (x86: pei-i386, x64: pei-x86-64).
#
# Usage: package_test.sh BUILD_DIR FLAVOUR. Needs PILLORA_SOURCE_DIR, PILLORA_TESTS_DIR.
build=${1:?} flavour=${2:?}
source "$(dirname "${BASH_SOURCE[0]}")/wine_test.sh" # work, source, fail

case $flavour in
  x86) format=pei-i386 ;;
  x64) format=pei-x86-64 ;;
  *) echo "unknown flavour $flavour" >&2; exit 2 ;;
esac
version=$(sed -n 's/^project(pillora VERSION \([0-9.]*\).*/\1/p' "$source/CMakeLists.txt")
zip=$("$source/scripts/zip-windows" "$build" "$flavour" "$work/dist")
[ "$zip" = "$work/dist/pillora-$version-windows-$flavour.zip" ] || fail "the zip is $zip"

expected='pillora/
pillora/FONTS.txt
pillora/LICENSE.txt
pillora/NOTICES.txt
pillora/README.txt
pillora/notices/
pillora/notices/gcc-runtime.txt
pillora/notices/mingw-w64-runtime.txt
pillora/pillora-testform.exe
pillora/pillora.exe
pillora/velsor.exe'
listed=$(zipinfo -1 "$zip" | sort)
[ "$listed" = "$expected" ] || fail "the zip holds: $listed"

unzip -q "$zip" -d "$work/unpacked"
for program in pillora pillora-testform velsor; do
  shown=$(objdump -f "$work/unpacked/pillora/$program.exe" | sed -n 's/.*file format \(.*\)/\1/p')
  [ "$shown" = "$format" ] || fail "$program.exe is $shown, not $format"
done
cmp -s "$work/unpacked/pillora/README.txt" "$source/packaging/windows/README.txt" ||
  fail "README.txt is not the pharmacy's README"
grep -q 'winpthreads' "$work/unpacked/pillora/notices/mingw-w64-runtime.txt" ||
  fail "the MinGW-w64 notices lack winpthreads"
grep -q 'GCC RUNTIME LIBRARY EXCEPTION' "$work/unpacked/pillora/notices/gcc-runtime.txt" ||
  fail "the GCC notices lack the run-time library exception"

[ "$failures" -eq 0 ] || exit 1
echo "windows $flavour package: all checks passed"

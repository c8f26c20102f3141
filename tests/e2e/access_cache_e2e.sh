#!/usr/bin/env bash
# End to end: the SQLite copies of an Access drug-profile database in the cache folder. The
# single-drug sample job prints drug AC12345100's appearance from "dbDrugProfile.mdb":
# - a database replaced by another of the same size and modification time (in place, and by
#   rename) prints the new database's value at the next job;
# - a copy in the cache that is empty or cut short is made again, and standard error names it;
# - a cache folder that cannot be written gives the job a private copy of its own.
#
# Environment: PILLORA_BIN, PILLORA_SAMPLES, PILLORA_TESTS_DIR.
set -uo pipefail

: "${PILLORA_BIN:?}" "${PILLORA_SAMPLES:?}" "${PILLORA_TESTS_DIR:?}"
fixtures=$PILLORA_TESTS_DIR/fixtures/jet

work=$(mktemp -d)
cache=$work/cache/pillora
unlock() { [ -d "$cache" ] && { chattr -i "$cache" 2>/dev/null; chmod u+w "$cache"; }; }
trap 'unlock; rm -rf "$work"' EXIT
export PILLORA_HOME="$work/home" XDG_CACHE_HOME="$work/cache" TMPDIR="$work/tmp"
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}print_suppressions=0"
mkdir -p "$PILLORA_HOME" "$TMPDIR"
database=$PILLORA_HOME/dbDrugProfile.mdb
white=白色圓形刻痕錠  # profile-pair-a.mdb
yellow=黃色圓形刻痕錠 # profile-pair-b.mdb
failures=0
fail() {
  echo "FAIL [$case_name]: $*"
  failures=$((failures + 1))
}

# Prints the single-drug job; checks that it printed the appearance given and that standard
# error holds what is given (nothing when empty).
expect_bag() { # case name, appearance, text expected on standard error
  case_name=$1
  export PILLORA_OUTPUT_DIR="$work/out/$1" PILLORA_PRINT_LOG="$work/$1.log"
  "$PILLORA_BIN" "$PILLORA_SAMPLES/single-drug.drg" 全部列印 "Pillora PDF" 2>"$work/$1.err" ||
    fail "exit status $?: $(cat "$work/$1.err")"
  grep -q -P "^text\t.*\Q$2\E" "$PILLORA_PRINT_LOG" || fail "the bag does not show $2"
  if [ -z "$3" ]; then
    [ ! -s "$work/$1.err" ] || fail "standard error: $(cat "$work/$1.err")"
  else
    grep -q -F -- "$3" "$work/$1.err" || fail "standard error lacks '$3': $(cat "$work/$1.err")"
  fi
}

cp "$fixtures/profile-pair-a.mdb" "$database"
chmod u+w "$database"
touch -r "$fixtures/profile-pair-a.mdb" "$work/time"
touch -r "$work/time" "$database"
expect_bag first "$white" ""
expect_bag unchanged "$white" ""

cat "$fixtures/profile-pair-b.mdb" >"$database"
touch -r "$work/time" "$database"
expect_bag replaced-in-place "$yellow" ""

cp "$fixtures/profile-pair-a.mdb" "$PILLORA_HOME/new.mdb"
touch -r "$work/time" "$PILLORA_HOME/new.mdb"
mv "$PILLORA_HOME/new.mdb" "$database"
expect_bag replaced-by-rename "$white" ""

copies=("$cache"/*.sqlite)
[ "${#copies[@]}" -eq 1 ] || { case_name=copies; fail "not one copy: ${copies[*]}"; }
: >"${copies[0]}"
expect_bag empty-copy "$white" "${copies[0]}"
head -c 4096 "$fixtures/profile-pair-a.mdb" >"${copies[0]}"
expect_bag copy-cut-short "$white" "${copies[0]}"
expect_bag copy-made-again "$white" ""

rm -f "$cache"/*
chmod a-w "$cache"
[ "$(id -u)" -ne 0 ] || chattr +i "$cache" || { case_name=setup; fail "cannot make $cache immutable"; }
expect_bag unwritable-cache "$white" "$cache"
left=$(find "$cache" "$TMPDIR" -mindepth 1)
[ -z "$left" ] || fail "files left: $left"

echo "$failures failed"
[ "$failures" -eq 0 ]

#!/usr/bin/env bash
# End to end: damaged Access files as the drug-profile database (a file that crashes or hangs
# the reader, a table list that cannot be read whole or names no table tblDrugBag). pillora
# prints the sample job with the job file's values, as with no database at all, says once on
# standard error that the database cannot be opened, naming it, and ends in bounded time;
# libmdb's warnings stay away.
#
# Environment: PILLORA_BIN, PILLORA_SAMPLES, PILLORA_TESTS_DIR.
set -uo pipefail

: "${PILLORA_BIN:?}" "${PILLORA_SAMPLES:?}" "${PILLORA_TESTS_DIR:?}"
fixtures=$PILLORA_TESTS_DIR/fixtures/jet

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export PILLORA_HOME="$work/home" XDG_CACHE_HOME="$work/cache" PILLORA_OUTPUT_DIR="$work/out"
# Under the leak checker the used suppressions would be listed on standard error.
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}print_suppressions=0"
mkdir -p "$PILLORA_HOME" "$PILLORA_OUTPUT_DIR"
failures=0

run_sample() {  # name: prints the sample job with the database in place, keeps log and errors
  export PILLORA_PRINT_LOG="$work/$1.log"
  local start=$SECONDS
  "$PILLORA_BIN" "$PILLORA_SAMPLES/sample.ndrg" 全部列印 "Pillora PDF" 2>"$work/$1.err"
  status=$?
  elapsed=$((SECONDS - start))
}

run_sample none
cp "$fixtures/V2000_no-password.mdb" "$work/crash.mdb"
printf '\377' | dd of="$work/crash.mdb" bs=1 seek=$((0x2037)) conv=notrunc 2>/dev/null
head -c 96256 "$fixtures/V1997_jet3.mdb" >"$work/hang.mdb"

# Files whose table list cannot be read whole, or names no table tblDrugBag: the page that
# holds the rows of profile-sample.mdb's table list (page 14: a data page, type 1, of the
# catalog table, page 2) zeroed, handed to no table, one of its row offsets moved; the file
# cut short; a Jet 3 file cut short.
catalog=$((14 * 4096))
[ "$(od -An -tx1 -j $catalog -N1 "$fixtures/profile-sample.mdb" | tr -d ' ')" = 01 ] &&
  [ "$(od -An -tu4 -j $((catalog + 4)) -N4 "$fixtures/profile-sample.mdb" | tr -d ' ')" = 2 ] ||
  { echo "FAIL: page 14 of profile-sample.mdb holds no rows of the table list"; exit 1; }
damage() { # name: a copy of profile-sample.mdb to damage
  cp "$fixtures/profile-sample.mdb" "$work/$1.mdb"
  chmod u+w "$work/$1.mdb"
}
put() { # file, offset, octal bytes
  printf "$3" | dd of="$1" bs=1 seek="$2" conv=notrunc 2>/dev/null
}
head -c 49152 "$fixtures/profile-sample.mdb" >"$work/cut.mdb"
damage zeroed && dd if=/dev/zero of="$work/zeroed.mdb" bs=4096 seek=14 count=1 conv=notrunc 2>/dev/null
damage owner && put "$work/owner.mdb" $((catalog + 4)) '\377\377\377\377'
rows=$(od -An -tu2 -j $((catalog + 12)) -N2 "$fixtures/profile-sample.mdb" | tr -d ' ')
last=$((catalog + 14 + 2 * (rows - 1)))
moved=$(($(od -An -tu2 -j $last -N2 "$fixtures/profile-sample.mdb" | tr -d ' ') + 1))
damage moved && put "$work/moved.mdb" $last "$(printf '\\%03o\\%03o' $((moved % 256)) $((moved / 256)))"
head -c 36864 "$fixtures/V1997_jet3.mdb" >"$work/jet3-cut.mdb"

for damaged in cut zeroed owner moved jet3-cut crash hang; do
  cp "$work/$damaged.mdb" "$PILLORA_HOME/dbDrugProfile.mdb"
  run_sample "$damaged"
  fail() { echo "FAIL [$damaged]: $*"; failures=$((failures + 1)); }
  [ "$status" -eq 0 ] || fail "exit status $status"
  [ "$elapsed" -le 40 ] || fail "took $elapsed s"
  [ "$(wc -l <"$work/$damaged.err")" -eq 1 ] || fail "not one line on standard error: $(head -c 500 "$work/$damaged.err")"
  grep -q "^pillora: the drug-profile database cannot be opened: .*$PILLORA_HOME/dbDrugProfile.mdb" \
    "$work/$damaged.err" || fail "no clear message: $(head -c 500 "$work/$damaged.err")"
  cmp -s "$work/none.log" "$work/$damaged.log" || fail "the bags differ from those without a database"
done
# The next job believes the failure noted by the last one instead of waiting for the reader,
# also when the same bytes come with another modification time.
cp "$work/hang.mdb" "$PILLORA_HOME/dbDrugProfile.mdb"
run_sample hang-again
[ "$elapsed" -le 10 ] || { echo "FAIL: the hanging file was read again ($elapsed s)"; failures=$((failures + 1)); }
cmp -s "$work/hang.err" "$work/hang-again.err" || { echo "FAIL: another message the second time"; failures=$((failures + 1)); }
grep -q "crashed (signal 11)" "$work/crash.err" || { echo "FAIL: no crash reported"; failures=$((failures + 1)); }
grep -q "took longer than" "$work/hang.err" || { echo "FAIL: no time limit reported"; failures=$((failures + 1)); }
[ -s "$work/none.log" ] || { echo "FAIL: nothing printed"; failures=$((failures + 1)); }

echo "$failures failed"
[ "$failures" -eq 0 ]

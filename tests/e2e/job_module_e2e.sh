#!/usr/bin/env bash
# End to end: pillora's front and its job module (Linux). The version, the help and usage
# errors are answered by the front alone: without the job module, and without mapping the
# libraries printing needs. A job loads the module beside the executable; a module that is
# missing, broken or lacks its entry is one line naming it and the loader's reason, status
# 1, in the job log too. A job for a built-in printer never loads libcups, libodbc nor poppler (the
# archive search's PDF reader module); a search without that module is one line naming it.
#
# Environment: PILLORA_BIN, PILLORA_SAMPLES.
set -euo pipefail
: "${PILLORA_BIN:?}" "${PILLORA_SAMPLES:?}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export PILLORA_HOME=$work/home PILLORA_OUTPUT_DIR=$work/out PILLORA_LOG=$work/pillora.log
export CUPS_SERVER=$work/no-cups.sock
unset LPDEST PRINTER PILLORA_PRINT_LOG
mkdir -p "$PILLORA_HOME" "$PILLORA_OUTPUT_DIR"
sample=$PILLORA_SAMPLES/sample.ndrg
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# The libraries a run maps, by file name, one a line (whatever the run's status).
mapped() {
  { LD_DEBUG=files "$@" 2>&1 >/dev/null || true; } |
    sed -n 's/.*file=\([^ ]*\) .*generating link map.*/\1/p'
}

# The front answers alone: a copy of the executable with no module beside it.
mkdir "$work/alone"
cp "$PILLORA_BIN" "$work/alone/pillora"
while IFS='|' read -r args status stream expected; do
  read -ra argv <<<"$args"
  actual=0
  "$work/alone/pillora" "${argv[@]}" >"$work/out.txt" 2>"$work/err.txt" || actual=$?
  [ "$actual" -eq "$status" ] || fail "pillora $args without the module: status $actual"
  grep -qF -- "$expected" "$work/$stream.txt" || fail "pillora $args: $(cat "$work/$stream.txt")"
  grep -qF "status=$status" "$PILLORA_LOG" || fail "pillora $args: no job log line"
  rm -f "$PILLORA_LOG"
  lines=$(mapped "$PILLORA_BIN" "${argv[@]}")
  if grep -E '^lib(cairo|pango|cups|sqlite3|fontconfig|odbc)' <<<"$lines"; then
    fail "pillora $args maps what printing needs"
  fi
done <<ROWS
/V|0|out|澄朗科技藥袋列印程式: 1.0.0
--version|0|out|pillora 1.0.0
--help|0|out|--list-printers
--no-such-option|2|err|pillora: --no-such-option is neither an option nor a job file
ROWS

# A job without a sound module: one line, status 1, the reason in the job log.
zlib=$(ldconfig -p | sed -n 's/^\tlibz\.so\.1 (libc6,x86-64) => //p' | head -n 1)
while IFS='|' read -r folder make reason; do
  mkdir -p "$work/$folder"
  cp "$PILLORA_BIN" "$work/$folder/pillora"
  eval "$make"
  line="pillora: cannot load the job module: $work/$folder/pillora-job.so: $reason"
  actual=0
  "$work/$folder/pillora" "$sample" >/dev/null 2>"$work/err.txt" || actual=$?
  [ "$actual" -eq 1 ] || fail "$folder: status $actual"
  [ "$(wc -l <"$work/err.txt")" -eq 1 ] && grep -qF -- "$line" "$work/err.txt" ||
    fail "$folder: $(cat "$work/err.txt")"
  grep -qF "message=${line#pillora: }" "$PILLORA_LOG" || fail "$folder: job log $(cat "$PILLORA_LOG")"
  rm -f "$PILLORA_LOG"
done <<ROWS
alone|:|cannot open shared object file
broken|echo 'not a library' >"\$work/broken/pillora-job.so"|
entryless|cp "\$zlib" "\$work/entryless/pillora-job.so"|undefined symbol: pillora_job_main
ROWS

# A job for a built-in printer loads the module, never libcups.
lines=$(mapped "$PILLORA_BIN" "$sample" 全部列印 "Pillora PDF")
grep -q 'pillora-job.so$' <<<"$lines" || fail "the PDF job did not load the job module: $lines"
! grep -qE '^lib(cups|poppler|odbc)' <<<"$lines" || fail "the PDF job loaded libcups, poppler or libodbc"
ls "$PILLORA_OUTPUT_DIR"/sample*.pdf >/dev/null || fail "the PDF job made no PDF"

# The archive search loads the PDF reader module; without it, one line and status 1.
printf '%s\r\n' "$work/archive" >"$PILLORA_HOME/archive.config"
lines=$(mapped "$PILLORA_BIN" --archive-find 王小明)
grep -q 'pillora-pdf-reader.so$' <<<"$lines" || fail "the search did not load the PDF reader"
mkdir "$work/no-reader"
cp "$PILLORA_BIN" "$(dirname "$PILLORA_BIN")/pillora-job.so" "$work/no-reader/"
actual=0
"$work/no-reader/pillora" --archive-find 王小明 >/dev/null 2>"$work/err.txt" || actual=$?
line="cannot load the PDF reader: $work/no-reader/pillora-pdf-reader.so: cannot open"
[ "$actual" -eq 1 ] && [ "$(wc -l <"$work/err.txt")" -eq 1 ] && grep -qF -- "$line" "$work/err.txt" ||
  fail "a search without the PDF reader: status $actual, $(cat "$work/err.txt")"

if [ "$failures" -ne 0 ]; then
  echo "$failures failed" >&2
  exit 1
fi
echo "all passed"

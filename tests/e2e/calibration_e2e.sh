#!/usr/bin/env bash
# End to end: pillora --calibrate. The sheet's frames (its print log) lie where the sample
# job (samples/sample.ndrg with its receipt) prints pharmacy, patient, drug name, usage,
# use-by date and receipt, with no "layout.config" and with one that moves the page; the
# sheet names the offsets and their file, goes to the printer a job would use ("Pillora
# PDF" here: calibration.pdf) and is in the job log. A printer that cannot be had fails it
# with one line.
#
# Environment: PILLORA_BIN, PILLORA_SOURCE_DIR.
set -euo pipefail
: "${PILLORA_BIN:?}" "${PILLORA_SOURCE_DIR:?}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$PILLORA_SOURCE_DIR/tests/support/profile_database.sh"
sample_job_folder "$work"
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# The start of the first text that begins with $2 in the print log $1: "x<TAB>y" in twips.
text_start() {
  awk -F'\t' -v t="$2" '$1 == "text" && index($7, t) == 1 { print $2 "\t" $3; exit }' "$1"
}
# Lines that begin at x y in the print log $1: a frame's top and left edges.
lines_from() {
  awk -F'\t' -v x="$2" -v y="$3" '$1 == "line" && $2 == x && $3 == y' "$1" | wc -l
}

# The fields: the label the sheet gives the frame, the sample job's text of that field.
fields=(
  "藥局 pharmacy|康寧社區藥局"
  "病患 patient|王小明"
  "藥名 drug name|ACETAMINOPHEN 500MG"
  "用法 usage|口服"
  "使用期限 use-by date|2025/02/28"
  "收據 receipt box|收　　　　據"
)

check_sheet() { # case name, the offsets line the sheet must show
  local name=$1 offsets=$2 job=$work/$1-job.log sheet=$work/$1-sheet.log
  rm -rf "$PILLORA_OUTPUT_DIR"
  PILLORA_PRINT_LOG=$job "$PILLORA_BIN" "$work/sample.ndrg" 全部列印 "Pillora PDF" 2>/dev/null
  PILLORA_PRINT_LOG=$sheet "$PILLORA_BIN" --calibrate "Pillora PDF" ||
    fail "$name: --calibrate failed"
  local field label text start
  for field in "${fields[@]}"; do
    label=${field%%|*}
    text=${field#*|}
    start=$(text_start "$job" "$text")
    [ -n "$start" ] || { fail "$name: the sample job printed no $text"; continue; }
    # shellcheck disable=SC2086
    [ "$(lines_from "$sheet" $start)" -ge 2 ] ||
      fail "$name: no frame at $start, where the job printed $text"
    grep -qF "$label" "$sheet" || fail "$name: no label $label"
    echo "$start" >>"$work/$name.starts"
  done
  grep -qF "$offsets" "$sheet" || fail "$name: the sheet does not say: $offsets"
  pdftotext "$PILLORA_OUTPUT_DIR/calibration.pdf" - | grep -q "Calibration sheet" ||
    fail "$name: calibration.pdf is not the sheet"
}

check_sheet default "偏移 offsets: 0,0 cm   (預設 default)"
printf '0.7,-0.4\r\n' >"$PILLORA_HOME/layout.config"
check_sheet moved "偏移 offsets: 0.7,-0.4 cm   ($PILLORA_HOME/layout.config)"
# The offsets moved the sample's texts, and the frames with them.
cmp -s "$work/default.starts" "$work/moved.starts" && fail "layout.config moved nothing"

line=$(tail -n 1 "$PILLORA_LOG")
for field in command=--calibrate "asked=Pillora PDF" "printer=Pillora PDF" \
  "file=$PILLORA_OUTPUT_DIR/calibration.pdf" pages=1 status=0; do
  [[ "$line" == *$'\t'"$field"* ]] || fail "job log line lacks $field: $line"
done

# No printer to be had (the print log cannot be opened): one line, status 1.
status=0
PILLORA_PRINT_LOG=$work/none/print.log "$PILLORA_BIN" --calibrate 2>"$work/err" || status=$?
[ "$status" -eq 1 ] && [ "$(wc -l <"$work/err")" -eq 1 ] &&
  grep -q '^pillora: cannot open the print log' "$work/err" ||
  fail "no printer: status $status, $(cat "$work/err")"

if [ "$failures" -gt 0 ]; then
  exit 1
fi
echo "calibration_e2e: all checks passed"

#!/usr/bin/env bash
# End to end: ".ndrg" jobs (Big5, CR LF, written here) printed by the real pillora binary
# on the built-in PDF printer, with a drug-profile database built from the sample CSV.
# Checks the print log and the PDF text (pdftotext).
#
# Environment: PILLORA_BIN, PILLORA_PROFILE_BIN, PILLORA_SOURCE_DIR.
set -euo pipefail

: "${PILLORA_BIN:?}" "${PILLORA_PROFILE_BIN:?}" "${PILLORA_SOURCE_DIR:?}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export PILLORA_HOME="$work/home"
mkdir -p "$PILLORA_HOME"

failures=0
fail() {
  echo "FAIL [$case_name]: $*" >&2
  failures=$((failures + 1))
}

# The warning of drugs whose brand names allopurinol, as the page wraps it (34 characters).
warning_first_line='可能發生罕見但嚴重的皮膚過敏反應，如(SJS/TEN)不良反應，如果'

to_big5() { iconv -f UTF-8 -t CP950 | sed 's/$/\r/'; }
# Writes the lines given as arguments (UTF-8) to a Big5 file with CR LF line ends.
big5() {
  local file=$1
  shift
  printf '%s\n' "$@" | to_big5 >"$file"
}

header() { # patient name, dispensing date
  printf '%s\n' '康寧社區藥局' '用藥安心' '02-2755-1234' '台北市大安區和平東路二段100號' \
    '林美華@陳志明' "$2" '仁心家庭醫學科診所' '3' '1' "$1" '男／67' '家醫科' '0912-345-678'
}

drug() { # code, frequency, name, brand, route
  printf '%s\n' '----' '1' "$1" "$2" '28' '84' "$3" "$4" "$5" '1顆' 'A-01'
}

# A job of three drugs of the sample profile for a patient and a dispensing date.
write_job() { # file, patient, date
  {
    header "$2" "$3"
    drug AC12345129 TID 'Acetaminophen' 'Panadol' PO
    drug AC12345100 QD 'Allopurinol' 'ALLOPURINOL' PO
    drug AC70012100 QD 'Omeprazole' 'Losec' AC
    echo '//End DrugBagInfo'
  } | to_big5 >"$1"
}

# Runs one job in a fresh output folder and log: command line "path TAB option TAB printer".
run_job() { # job file
  export PILLORA_OUTPUT_DIR="$work/out/$case_name"
  export PILLORA_PRINT_LOG="$work/$case_name.log"
  mkdir -p "$PILLORA_OUTPUT_DIR"
  : >"$PILLORA_PRINT_LOG"
  if ! "$PILLORA_BIN" "$1"$'\t''全部列印'$'\t''Pillora PDF' >"$work/$case_name.out" 2>&1; then
    fail "pillora failed: $(cat "$work/$case_name.out")"
  fi
  pdf_text=""
  local pdf
  for pdf in "$PILLORA_OUTPUT_DIR"/*.pdf; do
    [ -e "$pdf" ] || continue
    pdf_text+=$(pdftotext -enc UTF-8 "$pdf" -)
  done
  [ -n "$pdf_text" ] || fail "no PDF text in $PILLORA_OUTPUT_DIR"
}

log_count() { grep -c -- "$1" "$PILLORA_PRINT_LOG" || true; }
log_has_text() { grep -q -P "^text\t[^\t]*\t[^\t]*\t[^\t]*\t[^\t]*\t[^\t]*\t\Q$1\E$" "$PILLORA_PRINT_LOG"; }
pdf_has() { grep -q -F -- "$1" <<<"$pdf_text"; }
# x twips of the first logged text with exactly this content
text_x() { awk -F'\t' -v t="$1" '$1 == "text" && $7 == t { print $2; exit }' "$PILLORA_PRINT_LOG"; }

expect_log_text() { log_has_text "$1" || fail "print log lacks text '$1'"; }
expect_pdf() { pdf_has "$1" || fail "PDF lacks '$1'"; }
expect_no_pdf() { ! pdf_has "$1" || fail "PDF shows '$1'"; }

# --- the drug-profile database from the sample CSV
"$PILLORA_PROFILE_BIN" build "$PILLORA_SOURCE_DIR/samples/profile.csv" \
  "$PILLORA_HOME/dbDrugProfile.mdb" >"$work/profile.out" 2>&1 || {
  cat "$work/profile.out" >&2
  exit 1
}
chinese_name=$(awk -F',' 'NR > 1 && $1 == "AC12345129" { print $3; exit }' \
  "$PILLORA_SOURCE_DIR/samples/profile.csv" | tr -d '"\r')

# --- with a receipt: one page per drug, the receipt box on the first
case_name=receipt
mkdir -p "$work/jobs"
write_job "$work/jobs/a.ndrg" '王小明' '2024/11/30'
big5 "$work/jobs/a.dprf" 356 48 200 204
run_job "$work/jobs/a.ndrg"
[ "$(log_count '^newpage$')" -eq 3 ] || fail "expected 3 pages"
[ "$(log_count '^line	')" -eq 9 ] || fail "expected the 9 lines of the receipt box"
[ "$(log_count '^enddoc$')" -eq 1 ] || fail "expected one document"
expect_log_text '合　　計：404'
expect_pdf '王小明'
expect_pdf '2025/02/28'
expect_pdf "$warning_first_line"
[ -z "$chinese_name" ] || expect_pdf "$chinese_name"
[ -n "$chinese_name" ] || fail "the sample profile has no AC12345129"
x_default=$(text_x '王小明')

# --- without a receipt: the institution in its place, no box
case_name=no-receipt
write_job "$work/jobs/b.ndrg" '李大同' '2024/05/06'
run_job "$work/jobs/b.ndrg"
[ "$(log_count '^line	')" -eq 0 ] || fail "no receipt box expected"
expect_log_text '仁心家庭醫學科診所'
expect_pdf '李大同'
expect_pdf '2024/08/06'

# --- blank form: no patient, age or dispensing date; the use-by date stays
case_name=blank-form
write_job "$work/jobs/c.ndrg" '空白單' '2024/01/31'
run_job "$work/jobs/c.ndrg"
expect_no_pdf '空白單'
expect_no_pdf '67/男'
expect_pdf '2024/04/30'
[ "$(log_count '^newpage$')" -eq 3 ] || fail "expected 3 pages"

# --- layout.config offsets and DrugBag.config font: the page moves, the font name changes
# (a name without an installed font of its own: it prints in the fallback Kai)
case_name=offsets
big5 "$PILLORA_HOME/layout.config" '1,0'
big5 "$PILLORA_HOME/DrugBag.config" '<字型名稱>細明體</字型名稱>'
run_job "$work/jobs/a.ndrg"
x_moved=$(text_x '王小明')
awk -v a="$x_default" -v b="$x_moved" 'BEGIN { exit !(b - a > 566 && b - a < 568) }' ||
  fail "offset 1 cm expected: $x_default -> $x_moved"
grep -q -P '^text\t[^\t]*\t[^\t]*\t細明體\t' "$PILLORA_PRINT_LOG" || fail "configured font not used"
expect_pdf '王小明'

# --- paged list: two drugs per page from DrugBag.config, header block and usage lines
case_name=paged
big5 "$PILLORA_HOME/layout.config" '0,0' 'TRUE'
big5 "$PILLORA_HOME/DrugBag.config" '<多藥一袋單頁藥數>2</多藥一袋單頁藥數>'
run_job "$work/jobs/b.ndrg"
[ "$(log_count '^newpage$')" -eq 2 ] || fail "expected 2 pages of at most 2 drugs"
expect_pdf '李大同'
expect_pdf '每天一次'
grep -q -P '^text\t.*\t1\.[^\t]*總量：84  $' "$PILLORA_PRINT_LOG" || fail "no numbered usage line"
rm "$PILLORA_HOME/layout.config" "$PILLORA_HOME/DrugBag.config"

# Words of the PDFs past the sheet's right edge (595.28 points), as pdftotext -bbox reads them.
words_past_edge() {
  local pdf
  for pdf in "$PILLORA_OUTPUT_DIR"/*.pdf; do
    pdftotext -bbox "$pdf" - | sed -n 's/.*xMax="\([0-9.]*\)".*>\(.*\)<\/word>/\1 \2/p' |
      awk '$1 > 595.28'
  done
}

# --- long usage lines end inside the printable area, every word of them: the paged list's
# lines of a three-times-a-day drug at the pharmacies' offsets, the usage sentence of
# 220603.config at 10.5 cm for once-a-day drugs; a sentence too long even condensed is
# drawn as it is and named in a warning
{
  header '張三' '2024/11/30'
  drug AC12345100 QD 'Allopurinol' 'ALLOPURINOL' PO
  drug AC70012100 QD 'Omeprazole' 'Losec' AC
  echo '//End DrugBagInfo'
} | to_big5 >"$work/jobs/qd.ndrg"
for layout in paged sentence; do
  case_name=fitted-$layout
  big5 "$PILLORA_HOME/layout.config" '' "$([ "$layout" = paged ] && echo TRUE || echo FALSE)"
  [ "$layout" = paged ] || big5 "$PILLORA_HOME/220603.config" '10.5,10.1'
  run_job "$work/jobs/$([ "$layout" = paged ] && echo a || echo qd).ndrg"
  past=$(words_past_edge)
  [ -z "$past" ] || fail "words past the page's edge: $past"
  if [ "$layout" = paged ]; then expect_pdf '總量：84'; else expect_pdf '每次用量：1顆'; fi
  ! grep -q 'runs past the right edge' "$work/$case_name.out" || fail "$(cat "$work/$case_name.out")"
done
case_name=unfitted-sentence
run_job "$work/jobs/a.ndrg"
grep -qx 'pillora: the text "口服，每日三次(早上、中午以及晚上各一次)。每次用量：.*" runs past the right edge of the printable area even condensed to 70 %; it is drawn as it is' \
  "$work/$case_name.out" || fail "no warning for the sentence: $(cat "$work/$case_name.out")"
rm "$PILLORA_HOME/layout.config" "$PILLORA_HOME/220603.config"

# Runs pillora on a job without judging it; the exit status goes to $status, standard error
# to $work/$case_name.err. As root, file permissions are enforced by dropping the
# capabilities that override them.
run_raw() { # job file
  export PILLORA_OUTPUT_DIR="$work/out/$case_name"
  export PILLORA_PRINT_LOG="$work/$case_name.log"
  mkdir -p "$PILLORA_OUTPUT_DIR"
  : >"$PILLORA_PRINT_LOG"
  local drop=()
  [ "$(id -u)" -ne 0 ] ||
    drop=(setpriv --inh-caps=-dac_override,-dac_read_search
      --bounding-set=-dac_override,-dac_read_search)
  status=0
  timeout 20 "${drop[@]}" "$PILLORA_BIN" "$1" >/dev/null 2>"$work/$case_name.err" || status=$?
}
err_lines() { wc -l <"$work/$case_name.err"; }

# --- settings files that cannot be read count as missing, one warning each
case_name=unreadable-settings
big5 "$PILLORA_HOME/layout.config" '1,0'
big5 "$PILLORA_HOME/DrugBag.config" '<字型名稱>細明體</字型名稱>'
big5 "$PILLORA_HOME/220603.config" '4.5,11.25'
chmod 000 "$PILLORA_HOME/layout.config" "$PILLORA_HOME/DrugBag.config" "$PILLORA_HOME/220603.config"
run_raw "$work/jobs/a.ndrg"
[ "$status" -eq 0 ] || fail "exit $status: $(cat "$work/$case_name.err")"
[ "$(err_lines)" -eq 3 ] || fail "expected 3 warnings: $(cat "$work/$case_name.err")"
for file in layout.config DrugBag.config 220603.config; do
  grep -q "$file" "$work/$case_name.err" || fail "no warning names $file"
done
[ "$(text_x '王小明')" = "$x_default" ] || fail "offsets of an unreadable layout.config applied"
grep -q -P '^text\t[^\t]*\t[^\t]*\t標楷體\t' "$PILLORA_PRINT_LOG" || fail "default font not used"
expect_log_text '共：84'
rm -f "$PILLORA_HOME/layout.config" "$PILLORA_HOME/DrugBag.config" "$PILLORA_HOME/220603.config"

# --- jobs that would print nothing useful fail with one line: too large, no drugs
case_name=too-large
head -c 2097152 /dev/zero | tr '\0' 'A' >"$work/jobs/huge.ndrg"
run_raw "$work/jobs/huge.ndrg"
[ "$status" -eq 1 ] || fail "exit $status for a 2 MiB job"
[ "$(err_lines)" -eq 1 ] && grep -q 'too large' "$work/$case_name.err" ||
  fail "one line saying the job is too large expected: $(head -c 300 "$work/$case_name.err")"

case_name=no-drugs
{
  header '王小明' '2024/11/30'
  echo '//End DrugBagInfo'
} | to_big5 >"$work/jobs/none.ndrg"
run_raw "$work/jobs/none.ndrg"
[ "$status" -eq 1 ] && [ "$(err_lines)" -eq 1 ] || fail "a job without drugs: exit $status"
if grep -qv '^printer' "$PILLORA_PRINT_LOG"; then fail "something was printed"; fi

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "ndrg end-to-end: all checks passed"

#!/bin/sh
# The bag jobs end to end: the real pillora prints a ".drg" job and multi-drug jobs written
# here in code page 950 with CR LF, completing the ".drg" drug from a drug-profile database
# built from the sample profiles, on the built-in PDF printer. Checked: the print log rows
# (positions in twips, sizes, texts), the text of the PDFs, and that a short job prints
# nothing and says why.
# Environment: PILLORA_BIN, PILLORA_PROFILE_BIN, PILLORA_SAMPLES (the samples folder).
set -u
: "${PILLORA_BIN:?}" "${PILLORA_PROFILE_BIN:?}" "${PILLORA_SAMPLES:?}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

export PILLORA_HOME="$work/home"
mkdir -p "$PILLORA_HOME" "$work/jobs"
"$PILLORA_PROFILE_BIN" build "$PILLORA_SAMPLES/profile.csv" "$PILLORA_HOME/dbDrugProfile.mdb" ||
  { echo "FAIL: cannot build the profile database"; exit 1; }

# A job file from the lines on standard input (UTF-8, LF).
job() {
  sed 's/$/\r/' | iconv -f UTF-8 -t CP950 >"$work/jobs/$1"
}

# Prints one job on "Pillora PDF"; its log and PDFs go to $work/<name>.log and $work/<name>/.
print_job() {  # job file, name
  PILLORA_PRINT_LOG="$work/$2.log" PILLORA_OUTPUT_DIR="$work/$2" \
    "$PILLORA_BIN" "$work/jobs/$1" 全部列印 "Pillora PDF" 2>"$work/$2.err"
}

# The log holds a text row at x, y (twips) in this size with this text.
expect_row() {  # log name, x, y, size, text
  awk -F '\t' -v x="$2" -v y="$3" -v size="$4" -v text="$5" \
    '$1 == "text" && $2 == x && $3 == y && $5 == size && $7 == text { found = 1 }
     END { exit !found }' "$work/$1.log" || fail "$1: no row \"$5\" at $2, $3 in size $4"
}

# The eleven header lines both formats begin with: pharmacy, pharmacist, date, institution,
# chronic-Rx counters, patient.
header() {
  cat <<'LINES'
杏林藥局
用心守護您的健康
(02)2345-6789
台北市中正區杏林路一段88號
王大明
2024/03/15
仁愛醫院
3
1
陳小華
67
LINES
}

expect_pdf_text() {  # name, text
  pdftotext "$work/$1"/*.pdf - 2>/dev/null | grep -qF "$2" || fail "$1: the PDF lacks \"$2\""
}

# ".drg": the G0 code is searched as AC12345100; name, Chinese name and warning come from
# the profile (the database's warning, not the fixed skin-reaction text).
{
  header
  cat <<'LINES'
1
AC123451G0
TID
28
84
ALLOPURINOL
永信?ALLOPURINOL
PO
1顆
LINES
} | job 123.drg
print_job 123.drg drg || fail "drg: exit status $? ($(cat "$work/drg.err"))"
expect_row drg 283.50 9072.00 10 "ALLOPURINOL 100MGAC12345100"      # 0.5, 16.0 cm
expect_row drg 283.50 9525.60 10 "痛風寧錠100毫克"                   # 0.5, 16.8 cm
expect_row drg 4819.50 9072.00 12 "口服"                             # 8.5, 16.0 cm
expect_row drg 4819.50 9922.50 12 "每日三次(早上、中午以及晚上各一次)"  # 8.5, 17.5 cm
expect_row drg 4819.50 10206.00 12 "(每次用量：1顆)"                  # 8.5, 18.0 cm
expect_row drg 283.50 9922.50 10 "廠牌：永信ALLOPURINOL"               # 0.5, 17.5 cm
expect_row drg 5953.50 12190.50 14 "2024/06/15"                      # 10.5, 21.5 cm
expect_row drg 5953.50 13778.10 10 "服藥期間若出現皮膚紅疹，請"          # 10.5, 24.3 cm
expect_row drg 5953.50 14118.30 10 "立即停藥並回診。"                   # 10.5, 24.9 cm
[ "$(grep -c '^enddoc$' "$work/drg.log")" = 2 ] || fail "drg: not one bag document"
[ "$(ls "$work/drg"/*.pdf 2>/dev/null | wc -l)" = 1 ] || fail "drg: not one PDF"
expect_pdf_text drg "痛風寧錠100毫克"
expect_pdf_text drg "每日三次(早上、中午以及晚上各一次)"

# Upper-case ".NDRG" is not the ".ndrg" format: it is read as a multi-drug bag job.
{
  header
  cat <<'LINES'
AC12345100
TID
7
21
Panadol 500mg
GSK
POPC
1顆
BC23456100
HS
7
7
Stilnox 10mg
Sanofi
PO
半顆




Mucosolvan 30mg



LINES
} | job 456.NDRG
print_job 456.NDRG multi || fail "multi: exit status $? ($(cat "$work/multi.err"))"
expect_row multi 283.50 9072.00 10 "Panadol 500mg"      # 0.5, 16.0 cm
expect_row multi 283.50 10319.40 10 "Stilnox 10mg"      # 0.5, 18.2 cm
expect_row multi 283.50 11340.00 10 "Mucosolvan 30mg"   # 0.5, 20.0 cm
expect_row multi 4819.50 9355.50 16 "(每次用量：1顆)"    # 8.5, 16.5 cm
expect_row multi 4819.50 10602.90 16 "(每次用量：半顆)"  # 8.5, 18.7 cm
expect_row multi 4819.50 9639.00 16 "飯後口服"           # 8.5, 17.0 cm
expect_row multi 4819.50 11056.50 16 "口服"              # 8.5, 19.5 cm
expect_row multi 9355.50 9355.50 16 "21"                # 16.5, 16.5 cm
grep -qF "每日三次" "$work/multi.log" && fail "multi: the frequency was printed"
expect_pdf_text multi "飯後口服"
expect_pdf_text multi "Stilnox 10mg"

# A job shorter than its format prints nothing and says why.
head -n 19 "$work/jobs/123.drg" >"$work/jobs/short.drg"
print_job short.drg short
status=$?
[ "$status" = 1 ] || fail "short: exit status $status"
grep -q "short.drg has 19 lines" "$work/short.err" || fail "short: no clear message: $(cat "$work/short.err")"
grep -q '^text' "$work/short.log" 2>/dev/null && fail "short: something was printed"
[ -z "$(ls "$work/short" 2>/dev/null)" ] || fail "short: a PDF was written"

echo "$failures failed"
[ "$failures" -eq 0 ]

#!/usr/bin/env bash
# The example settings files as installed (code page 950, CR LF) do what their README says
# when copied into the program folder: the real pillora prints the sample job and the print
# and label logs show each example's values.
#
# Environment: PILLORA_BIN, PILLORA_PROFILE_BIN, PILLORA_SAMPLES, PILLORA_EXAMPLES (the
# built examples).
set -euo pipefail
: "${PILLORA_BIN:?}" "${PILLORA_PROFILE_BIN:?}" "${PILLORA_SAMPLES:?}" "${PILLORA_EXAMPLES:?}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export PILLORA_HOME=$work/home PILLORA_OUTPUT_DIR=$work/out PILLORA_LOG=$work/pillora.log
export TMPDIR=$work CUPS_SERVER=$work/no-cups.sock
unset LPDEST PRINTER
mkdir -p "$PILLORA_HOME"
"$PILLORA_PROFILE_BIN" build "$PILLORA_SAMPLES/profile.csv" "$PILLORA_HOME/dbDrugProfile.mdb"
# shellcheck source-path=SCRIPTDIR source=../support/checks.sh
. "$(dirname "$0")/../support/checks.sh"

# Prints the sample job with these examples in the program folder (and no other settings);
# the print and label logs go to $work/<name>.log, standard error to $work/<name>.err.
print_with() { # name, print option, example...
  local name=$1 option=$2
  shift 2
  rm -f "$PILLORA_HOME"/*.config
  for example in "$@"; do cp "$PILLORA_EXAMPLES/$example" "$PILLORA_HOME/"; done
  local status=0
  PILLORA_PRINT_LOG=$work/$name.log PILLORA_LABEL_LOG=$work/$name.log \
    "$PILLORA_BIN" "$PILLORA_SAMPLES/sample.ndrg" "$option" "Pillora PDF" 2>"$work/$name.err" ||
    status=$?
  check "$name: prints ($(cat "$work/$name.err"))" [ "$status" -eq 0 ]
  check "$name: no warning ($(cat "$work/$name.err"))" [ ! -s "$work/$name.err" ]
}

# The rows of a print log in one size: "x y" per row.
rows_of_size() { # log name, size
  awk -F '\t' -v size="$2" '$1 == "text" && $5 == size { print $2, $3 }' "$work/$1.log"
}

# DrugBag.config with layout.config: the paged drug list (layout line 2), its lines in
# 12 points 1.2 cm apart (567 twips a cm), moved 1.8 cm left: x = (1.6 + 3.3 - 1.8) cm.
print_with paged 全部列印 DrugBag.config layout.config
check "paged: five drugs, two lines each, in 12 points" [ "$(rows_of_size paged 12 | wc -l)" -eq 10 ]
check "paged: the lines start 1.8 cm left of the layout's place" \
  [ "$(rows_of_size paged 12 | awk '{ print $1 }' | sort -u)" = "1757.70" ]
check "paged: one drug's lines are 1.2 cm below the one before" \
  [ "$(rows_of_size paged 12 | awk 'NR % 2 == 1 { if (y != "") printf "%.2f\n", $2 - y; y = $2 }' |
    sort -u)" = "680.40" ]

# 220603.config: one usage sentence per drug page at (4.5, 11.25) cm of the layout.
print_with sentence 全部列印 220603.config
check "sentence: each of the five drug pages has the sentence at its place" [ "$(awk -F '\t' \
  '$1 == "text" && $2 == "4422.60" && $3 == "6208.65" && $7 ~ /。每次用量：[^每]/' \
  "$work/sentence.log" | wc -l)" -eq 5 ]

# dbp.config: the labels go to the printer it names (no such queue here: to files).
print_with labels CP dbp.config
check "labels: the label printer is the one dbp.config names" \
  grep -qxF "openport$(printf '\t')TSC TTP-247" "$work/labels.log"
check "labels: written as files for want of that queue" [ -s "$PILLORA_OUTPUT_DIR/sample.tspl" ]

checks_summary

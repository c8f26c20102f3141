#!/usr/bin/env bash
# The print log of the sample job (samples/sample.ndrg with its receipt, a profile database
# made from samples/profile.csv) on the built-in PDF printer equals tests/e2e/sample_bags.log,
# and the PDF shows the patient's name and the drug's Chinese name where
# tests/e2e/sample_bags.origins says (text, x and baseline y in points): what the Windows
# build must print for the same job as well (tests/windows/bags_e2e.sh). With --update both
# files are written anew from this run.
#
# Environment: PILLORA_BIN, PILLORA_SOURCE_DIR.
set -euo pipefail

: "${PILLORA_BIN:?}" "${PILLORA_SOURCE_DIR:?}"
expected=$PILLORA_SOURCE_DIR/tests/e2e/sample_bags.log
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

source "$PILLORA_SOURCE_DIR/tests/support/profile_database.sh"
source "$PILLORA_SOURCE_DIR/tests/support/text_origin.sh"
origins=$PILLORA_SOURCE_DIR/tests/e2e/sample_bags.origins
mkdir -p "$work/home" "$work/out"
make_profile_database "$PILLORA_SOURCE_DIR/samples/profile.csv" "$work/home/dbDrugProfile.mdb"
cp "$PILLORA_SOURCE_DIR/samples/sample.ndrg" "$PILLORA_SOURCE_DIR/samples/sample.dprf" "$work/"

PILLORA_HOME=$work/home PILLORA_OUTPUT_DIR=$work/out PILLORA_PRINT_LOG=$work/print.log \
  "$PILLORA_BIN" "$work/sample.ndrg"$'\t''全部列印'$'\t''Pillora PDF'

for text in 王小明 退熱寧錠500毫克; do
  echo "$text $(text_origin "$work/out/sample.pdf" "$text")"
done >"$work/origins"

if [ "${1:-}" = --update ]; then
  cp "$work/print.log" "$expected"
  cp "$work/origins" "$origins"
  exit 0
fi
if ! diff "$expected" "$work/print.log" || ! diff "$origins" "$work/origins"; then
  echo "FAIL: the sample job's print log or texts are not as $expected and $origins say" >&2
  exit 1
fi
# Not a log of nothing: the bags of the job are in it.
grep -q $'^text\t.*\t王小明$' "$work/print.log" || { echo "FAIL: no patient in the log" >&2; exit 1; }

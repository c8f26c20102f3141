#!/usr/bin/env bash
# The Big5 sample files are generated from their UTF-8 sources: they must match.
set -euo pipefail
samples="${1:?samples folder}"
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$samples/src/make-big5.sh" "$out"
status=0
for made in "$out"/*; do
  name=$(basename "$made")
  cmp -s "$made" "$samples/$name" || {
    echo "samples/$name differs from samples/src/$name.txt (run samples/src/make-big5.sh)" >&2
    status=1
  }
done
exit $status

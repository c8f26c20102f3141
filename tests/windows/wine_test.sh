# What every Windows end-to-end test shares, sourced by it: a scratch folder, failures
# counted, Windows paths of Unix ones, a Wine prefix of its own cloned from the build
# folder's.
#
# Needs: template (the build folder's prefix), PILLORA_SOURCE_DIR, PILLORA_SHARED_DIR.
# Sets: work (removed at exit), source, kit.
set -euo pipefail

source=${PILLORA_SOURCE_DIR:?}
kit=${PILLORA_SHARED_DIR:?}/test-services/wine/wine-prefix.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

# A prefix of its own for the test, cloned from the build folder's (made there once).
make_prefix() {
  "$source/scripts/wine-run" "$template" --version >/dev/null
  "$kit" clone "$template" "$work/prefix"
}

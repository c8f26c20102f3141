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

# A virtual X display of the test's own (Xvfb), for programs that open windows; DISPLAY names
# it from then on. The server picks a free display number itself.
start_display() {
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.err" &
  local server=$!
  trap 'kill '"$server"' 2>/dev/null; rm -rf "$work"' EXIT
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
  [ -s "$work/display" ] || { echo "Xvfb did not start: $(cat "$work/xvfb.err")" >&2; exit 1; }
  export DISPLAY=:$(cat "$work/display")
}

# A prefix of its own for the test, cloned from the build folder's (made there once).
make_prefix() {
  "$source/scripts/wine-run" "$template" --version >/dev/null
  "$kit" clone "$template" "$work/prefix"
}

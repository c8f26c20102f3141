# What every Windows end-to-end test shares, sourced by it: a scratch folder, failures
# counted, Windows paths of Unix ones, a Wine prefix of its own cloned from the build
# folder's.
#
# Needs: template (the build folder's prefix), PILLORA_SOURCE_DIR, PILLORA_TESTS_DIR;
# PILLORA_WINE when the programs are not 64-bit ones. Sets: work (removed at exit), source,
# kit, wine_loader.
set -euo pipefail

source=${PILLORA_SOURCE_DIR:?}
# No window reaches a display the test did not start itself (start_display).
unset DISPLAY
kit=${PILLORA_TESTS_DIR:?}/services/wine/prefix.sh
# The flavour's Wine loader: the 64-bit one, or the 32-bit one for the i686 build.
wine_loader=${PILLORA_WINE:-/usr/lib/wine/wine64}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

# The job log FILE ("pillora.log", "velsor.log", ...) in %LOCALAPPDATA%\Pillora of the
# test's prefix, where the programs write it.
job_log() { # file name
  printf '%s' "$work/prefix/drive_c/users/$(id -un)/AppData/Local/Pillora/$1"
}
# The last line of a job log must hold each of the fields given (key=value, as written).
expect_logged() { # file name, field...
  local file=$1 line field
  shift
  line=$(tail -n 1 "$(job_log "$file")" 2>/dev/null) || true
  for field in "$@"; do
    [[ $'\t'"$line"$'\t' == *$'\t'"$field"* ]] || fail "$file lacks '$field': ${line:-no line}"
  done
}

# A virtual X display of the test's own (Xvfb), for programs that open windows; DISPLAY names
# it from then on. The server picks a free display number itself. Wine's windows are shown
# without a window manager to wait for. After make_prefix, before any other Wine program
# runs in the prefix (Wine's session keeps the display it started with).
start_display() {
  # Its output goes to files: nothing of it may hold the test runner's pipes open.
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null \
    2>"$work/xvfb.err" &
  local server=$!
  # Wine's processes go before their display does, whether or not they are still there.
  trap 'WINEPREFIX=$work/prefix /usr/lib/wine/wineserver -k 2>/dev/null || true
        kill '"$server"' 2>/dev/null || true
        rm -rf "$work"' EXIT
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
  [ -s "$work/display" ] || { echo "Xvfb did not start: $(cat "$work/xvfb.err")" >&2; exit 1; }
  export DISPLAY=:$(cat "$work/display")
  WINEPREFIX=$work/prefix WINEDEBUG=-all /usr/lib/wine/wine64 reg add \
    'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
}

# A prefix of its own for the test, cloned from the build folder's (made there once). The
# clone's files are hard links to the build folder's, but Wine rewrites its registry files
# and the .ini files of C:\windows in place: those are copied, so that what the test writes
# there reaches neither the build folder's prefix nor another test's clone.
make_prefix() {
  PILLORA_WINE=$wine_loader "$source/scripts/wine-run" "$template" --version >/dev/null
  "$kit" clone "$template" "$work/prefix"
  local file
  for file in "$work"/prefix/*.reg "$work"/prefix/drive_c/windows/*.ini; do
    cp --remove-destination "$template/${file#"$work/prefix/"}" "$file"
  done
}

# Helpers of the tests that print through a private, throw-away CUPS server (sourced).
# The sourcing script sets `services` (the shared services/cups folder) and calls
# begin_cups_test first.

# Exits 77 (skipped) when no CUPS scheduler is installed. Otherwise makes the test's folder
# `work`, with the server's folder `server` inside, both gone (the server stopped) when the
# script ends, and counts the checks that pass in `passed`.
begin_cups_test() {
  PATH=$PATH:/usr/sbin:/sbin
  if ! command -v cupsd >/dev/null || ! command -v lpadmin >/dev/null; then
    echo "skipped: cupsd or lpadmin is not installed"
    exit 77
  fi
  work=$(mktemp -d)
  server=$work/cups
  trap '"$services/stop.sh" "$server"; rm -rf "$work"' EXIT
  passed=0
}

fail() {
  echo "FAILED: $*" >&2
  [ ! -f "$server/log/error_log" ] || tail -n 30 "$server/log/error_log" >&2
  exit 1
}
pass() {
  echo "ok - $*"
  passed=$((passed + 1))
}

source "$(dirname "${BASH_SOURCE[0]}")/free_port.sh"

start_server() {
  local attempt
  for attempt in 1 2 3; do
    "$services/start.sh" "$server" "$(free_port)" && return 0
    echo "cupsd start attempt $attempt failed" >&2
    "$services/stop.sh" "$server"
  done
  fail "cannot start a private cupsd"
}

# Waits until the folder holds `count` captured jobs and prints the newest one's path.
captured_job() {
  local folder=$1 count=$2 i
  for i in $(seq 300); do
    if [ "$(find "$folder" -name '*.prn' | wc -l)" -ge "$count" ]; then
      ls -t "$folder"/*.prn | head -n 1
      return 0
    fi
    sleep 0.1
  done
  fail "no job number $count arrived in $folder"
}

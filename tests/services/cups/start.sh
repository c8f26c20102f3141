#!/bin/sh
# Starts a private CUPS server for one test, without systemd: its own configuration, spool,
# logs and socket under FOLDER, listening on 127.0.0.1:PORT and on FOLDER/run/cups.sock, with
# the system's filters and backends and the project's "capture" backend (capture.sh).
#
# Usage: start.sh FOLDER [PORT]. Prints nothing when the server answers; its process id is
# in FOLDER/run/cupsd.pid. stop.sh FOLDER ends it.
set -eu
folder=$1
port=${2:-8631}
here=$(cd "$(dirname "$0")" && pwd)
rm -rf "$folder"
mkdir -p "$folder/etc/ppd" "$folder/spool/tmp" "$folder/cache" "$folder/state" \
  "$folder/log" "$folder/run" "$folder/bin/backend"

# The server's programs: the system's, plus the capture backend (mode 0700: run as root).
for part in daemon filter notifier monitor cgi-bin driver; do
  [ ! -e "/usr/lib/cups/$part" ] || ln -s "/usr/lib/cups/$part" "$folder/bin/$part"
done
for backend in /usr/lib/cups/backend/*; do ln -s "$backend" "$folder/bin/backend/"; done
install -m 0700 "$here/capture.sh" "$folder/bin/backend/capture"

cat >"$folder/etc/cups-files.conf" <<CONF
ServerRoot $folder/etc
ServerBin $folder/bin
RequestRoot $folder/spool
TempDir $folder/spool/tmp
CacheDir $folder/cache
StateDir $folder/state
AccessLog $folder/log/access_log
ErrorLog $folder/log/error_log
PageLog $folder/log/page_log
Printcap $folder/state/printcap
SystemGroup root
LogFileGroup root
CONF

# Anyone may do anything: the server lives for one test and listens on loopback only.
cat >"$folder/etc/cupsd.conf" <<CONF
LogLevel debug
MaxLogSize 0
Listen 127.0.0.1:$port
Listen $folder/run/cups.sock
Browsing Off
BrowseLocalProtocols none
DefaultAuthType None
WebInterface No
PreserveJobFiles Yes
ErrorPolicy abort-job
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF

config="-c $folder/etc/cupsd.conf -s $folder/etc/cups-files.conf"
# shellcheck disable=SC2086 # two options, split on purpose
cupsd -t $config >"$folder/log/check.out" 2>&1 || { cat "$folder/log/check.out" >&2; exit 1; }
# shellcheck disable=SC2086
cupsd -f $config >"$folder/log/cupsd.out" 2>&1 &
echo $! >"$folder/run/cupsd.pid"

# Up once it says it is running (lpstat -r exits 0 either way); ten seconds at most.
tries=0
until LC_ALL=C lpstat -h "$folder/run/cups.sock" -r 2>/dev/null | grep -q 'is running'; do
  tries=$((tries + 1))
  if ! kill -0 "$(cat "$folder/run/cupsd.pid")" 2>/dev/null; then
    echo "cupsd ended at start-up" >&2
    cat "$folder/log/cupsd.out" "$folder/log/error_log" >&2
    exit 1
  fi
  if [ "$tries" -gt 200 ]; then
    echo "cupsd does not answer" >&2
    cat "$folder/log/error_log" >&2
    exit 1
  fi
  sleep 0.05
done

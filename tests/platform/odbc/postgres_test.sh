#!/usr/bin/env bash
# Runs the ODBC test program against a private, throw-away PostgreSQL server reached through
# psqlODBC, the stand-in for SQL Server: the same driver-manager calls, transactions,
# parameters and Chinese names. The server listens on a free port of 127.0.0.1 and is gone
# when the script ends, however it ends.
#
# usage: postgres_test.sh TEST-PROGRAM [gtest arguments]
# Needs root (the server runs as user postgres); exits 77 (skipped) when PostgreSQL 15 or
# psqlODBC is not installed.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../support/free_port.sh"

program=$1
shift
services=${PILLORA_TESTS_DIR:?}/services/postgres
bin=/usr/lib/postgresql/15/bin
if [ ! -x "$bin/initdb" ] || ! odbcinst -q -d -n "PostgreSQL Unicode" >/dev/null 2>&1; then
  echo "skipped: postgresql-15 or odbc-postgresql is not installed (scripts/setup --test)"
  exit 77
fi
if [ "$(id -u)" -ne 0 ]; then
  echo "skipped: the private server is started as root"
  exit 77
fi

work=$(mktemp -d)
chmod 755 "$work"  # the server's user works below it
server=$work/pg
trap 'timeout 30 "$services/server.sh" down "$server" >/dev/null 2>&1; rm -rf "$work"' EXIT

started=
for attempt in 1 2 3; do
  port=$(free_port)
  if SCHEMA_SQL=$services/tblDrugs.sql timeout 60 "$services/server.sh" up "$server" "$port"; then
    started=yes
    break
  fi
  echo "PostgreSQL start attempt $attempt failed" >&2
  timeout 30 "$services/server.sh" down "$server" >/dev/null 2>&1 || true
done
[ -n "$started" ] || { echo "FAILED: cannot start a private PostgreSQL server" >&2; exit 1; }

# A negative price is a row the database refuses; a second login has a password that needs
# bracing in an ODBC connection string.
admin() {
  runuser -u postgres -- "$bin/psql" -h "$server/socket" -p "$port" -U postgres -d rimora \
    -qAt -v ON_ERROR_STOP=1 "$@"
}
admin -c 'ALTER TABLE tblDrugs ADD CONSTRAINT 藥價不可為負 CHECK ("藥價參考金額" >= 0)' \
  -c "CREATE ROLE braced LOGIN PASSWORD 'p;w}d{=x''y'" \
  -c 'GRANT SELECT ON tblDrugs TO braced'

export ODBCSYSINI=$services RIMORA_ODBC_DRIVER="PostgreSQL Unicode" PILLORA_TEST_PG_PORT=$port
timeout 300 "$program" "$@"

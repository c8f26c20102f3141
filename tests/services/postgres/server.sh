#!/bin/sh
# A throwaway PostgreSQL 15 server on 127.0.0.1 for the ODBC tests, standing in for the SQL
# Server a pharmacy's Rimora uses. Run as root; the server runs as the user postgres.
#
#   server.sh up FOLDER PORT     new cluster in FOLDER, started; role "sa" (Rimora's password)
#                                owning the database "rimora" (UTF-8); then the SQL file
#                                SCHEMA_SQL names, run as sa, when it is set
#   server.sh down FOLDER        stops the server and removes FOLDER
set -eu
folder=${2:?usage: server.sh up|down FOLDER [PORT]}
port=${3:-55432}
bin=/usr/lib/postgresql/15/bin
as_postgres() { runuser -u postgres -- "$@"; }
case "$1" in
up)
  mkdir -p "$folder/data" "$folder/socket" "$folder/log"
  chown postgres:postgres "$folder/data" "$folder/socket" "$folder/log"
  as_postgres "$bin/initdb" -D "$folder/data" -E UTF8 --locale=C.UTF-8 --auth-local=trust \
    --auth-host=scram-sha-256 -U postgres >"$folder/log/initdb.log"
  as_postgres "$bin/pg_ctl" -D "$folder/data" -l "$folder/log/server.log" -w \
    -o "-p $port -k $folder/socket -c listen_addresses=127.0.0.1" start >/dev/null
  as_postgres "$bin/psql" -h "$folder/socket" -p "$port" -U postgres -d postgres -qAt \
    -v ON_ERROR_STOP=1 -c "CREATE ROLE sa LOGIN PASSWORD 'Zr@61730285'" \
    -c "CREATE DATABASE rimora OWNER sa ENCODING 'UTF8' TEMPLATE template0"
  if [ -n "${SCHEMA_SQL:-}" ]; then
    PGPASSWORD='Zr@61730285' "$bin/psql" "host=127.0.0.1 port=$port dbname=rimora user=sa" \
      -qAt -v ON_ERROR_STOP=1 -f "$SCHEMA_SQL"
  fi
  ;;
down)
  as_postgres "$bin/pg_ctl" -D "$folder/data" -m fast -w stop >/dev/null 2>&1 || true
  rm -rf "$folder"
  ;;
*)
  echo "usage: server.sh up|down FOLDER [PORT]" >&2
  exit 2
  ;;
esac

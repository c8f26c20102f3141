# A drug-profile database as an SQLite file, made with the sqlite3 shell from a profile CSV
# file (header row = column names): every column text that compares ignoring letter case,
# as the profile tool makes it. Sourced by test scripts.
make_profile_database() { # csv, database file
  local columns
  columns=$(head -n 1 "$1" | tr -d '\r' | sed 's/,/ TEXT COLLATE NOCASE, /g')
  rm -f "$2"
  sqlite3 "$2" "CREATE TABLE tblDrugBag ($columns TEXT COLLATE NOCASE);" \
    ".import --csv --skip 1 $1 tblDrugBag"
}

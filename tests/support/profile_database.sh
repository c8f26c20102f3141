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

# A scratch run of the sample job in folder $1: the program folder $1/home with the sample
# profile database, output in $1/out, the job log $1/pillora.log, no CUPS server and none of
# the caller's printer or archive settings; samples/sample.ndrg and its receipt copied to $1.
# Needs PILLORA_SOURCE_DIR.
sample_job_folder() { # folder
  export PILLORA_HOME=$1/home PILLORA_OUTPUT_DIR=$1/out PILLORA_LOG=$1/pillora.log
  export CUPS_SERVER=$1/no-cups.sock
  unset LPDEST PRINTER PILLORA_PRINT_LOG PILLORA_ARCHIVE_DIR
  mkdir -p "$PILLORA_HOME"
  make_profile_database "$PILLORA_SOURCE_DIR/samples/profile.csv" "$PILLORA_HOME/dbDrugProfile.mdb"
  cp "$PILLORA_SOURCE_DIR/samples/sample.ndrg" "$PILLORA_SOURCE_DIR/samples/sample.dprf" "$1/"
}

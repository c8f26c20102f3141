# What the Windows end-to-end tests of pillora.exe share, sourced by them: a Wine prefix
# cloned from the build folder's, a program folder with the sample drug-profile database,
# and pillora.exe started as the host application starts it.
#
# The sourcing script's arguments: PILLORA_EXE HOST_LAUNCH_EXE TEMPLATE_PREFIX (the build
# folder's prefix). Needs PILLORA_SOURCE_DIR, PILLORA_TESTS_DIR. Sets: work (removed at
# exit), source, kit.
pillora=${1:?}
launcher=${2:?}
template=${3:?}
source "$(dirname "${BASH_SOURCE[0]}")/wine_test.sh"

# A PostScript printer NAME in the test's prefix, writing each document to FILE.
# 32-bit programs need its driver for the x86 environment too.
add_file_printer() { # printer name, file
  local command=printer
  [ "$wine_loader" = /usr/lib/wine/wine64 ] || command=printer32
  "$kit" "$command" "$work/prefix" "$1" "$2"
}

# pillora.exe beside the sample job and its receipt; the profile database, an SQLite file
# made from the sample CSV, in the program folder PILLORA_HOME names.
make_program_folder() {
  source "$source/tests/support/profile_database.sh"
  mkdir -p "$work/home"
  make_profile_database "$source/samples/profile.csv" "$work/home/dbDrugProfile.mdb"
  # Wine hands the connection string to the Unix driver as it is, and the driver opens
  # "<home>\dbDrugProfile.mdb" as a Unix name: a link of that name leads it to the file.
  ln -s "home/dbDrugProfile.mdb" "$work/home\\dbDrugProfile.mdb"
  cp "$pillora" "$work/pillora.exe"
  cp "$source/samples/sample.ndrg" "$source/samples/sample.dprf" "$work/"
}

# Runs pillora.exe with one command line, job path TAB option TAB printer, as the host
# starts it; its exit status is the function's, its output in $work/out. The print and label
# logs go to $work/print.log and $work/label.log. The profile database is read through the
# SQLite driver unless PILLORA_ODBC_DRIVER is set (empty: the Access driver).
run_job() { # job file, print option, printer name
  printf '"%s" %s\t%s\t%s' "$(windows_path "$work/pillora.exe")" "$(windows_path "$1")" "$2" "$3" \
    >"$work/line"
  local status=0
  WINEPREFIX=$work/prefix WINEDEBUG=-all LANG=zh_TW.UTF-8 LC_ALL='' DISPLAY='' \
    PILLORA_HOME=$work/home PILLORA_ODBC_DRIVER=${PILLORA_ODBC_DRIVER-SQLite3} \
    PILLORA_PRINT_LOG=$(windows_path "$work/print.log") \
    PILLORA_LABEL_LOG=$(windows_path "$work/label.log") \
    "$wine_loader" "$launcher" "$(windows_path "$work/line")" >"$work/out" 2>&1 || status=$?
  # The printed document is complete once every process of the prefix (the spooler too) has
  # ended.
  WINEPREFIX=$work/prefix /usr/lib/wine/wineserver -w
  return "$status"
}

# Runs pillora.exe on the sample job; it must succeed.
run_sample() { # print option, printer name
  run_job "$work/sample.ndrg" "$1" "$2" || fail "pillora.exe failed: $(cat "$work/out")"
}

#!/usr/bin/env bash
# The Debian package end to end, as a pharmacy gets it: CPack makes it from this build,
# apt-get installs it, the pharmacy puts its Access drug-profile database and a settings
# file into /opt/pillora, /usr/bin/pillora prints the sample job to PDF from another folder
# and tells its version, /usr/bin/pillora-profile dumps the database; then the package is
# purged and nothing of it stays but the pharmacy's two files, unchanged.
#
# The programs are run with this source and build tree hidden (a private mount namespace
# with empty folders over both), so they can only find the font set-up and the Access
# helper in the program folder they were started from through the links.
#
# Skipped (status 77) without root, apt-get or mount namespaces, and when a pillora package,
# /opt/pillora or one of the links is on the machine already: the test never touches an
# installation it did not make.
#
# Environment: PILLORA_BUILD_DIR, PILLORA_SOURCE_DIR, PILLORA_SAMPLES, PILLORA_TESTS_DIR
# (the Access test databases).
set -uo pipefail
: "${PILLORA_BUILD_DIR:?}" "${PILLORA_SOURCE_DIR:?}" "${PILLORA_SAMPLES:?}" "${PILLORA_TESTS_DIR:?}"

skip() {
  echo "SKIP: $*"
  exit 77
}
[ "$(id -u)" -eq 0 ] || skip "installing a package needs root"
command -v apt-get >/dev/null || skip "no apt-get on this machine"
unshare --mount true 2>/dev/null || skip "no mount namespaces here (unshare --mount)"
if dpkg-query -W -f='${Status}' pillora 2>/dev/null | grep -q ' installed$'; then
  skip "a pillora package is installed on this machine"
fi
for path in /opt/pillora /usr/bin/pillora /usr/bin/pillora-profile /usr/bin/velsor; do
  if [ -e "$path" ] || [ -L "$path" ]; then skip "$path exists on this machine"; fi
done

work=$(mktemp -d)
installed=0
# shellcheck disable=SC2317  # run by the trap
cleanup() {
  [ "$installed" -eq 0 ] || apt-get purge -y -qq pillora >/dev/null 2>&1
  rm -f /opt/pillora/dbDrugProfile.mdb /opt/pillora/DrugBag.config
  rmdir /opt/pillora 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# shellcheck source-path=SCRIPTDIR source=../support/checks.sh
. "$(dirname "$0")/../support/checks.sh"
apt() { apt-get -y -qq -o DPkg::Lock::Timeout=120 "$@" >"$work/apt.out" 2>&1; }

# --- the package
cpack -G DEB -B "$work/package" --config "$PILLORA_BUILD_DIR/CPackConfig.cmake" \
  >"$work/cpack.out" 2>&1 || { cat "$work/cpack.out"; echo "FAIL: cpack"; exit 1; }
deb=$(echo "$work"/package/pillora_*_amd64.deb)
version=$(dpkg-deb -f "$deb" Version)
dpkg-deb -c "$deb" | awk '{ print substr($6, 2) }' >"$work/contents"
check "the package carries the programs, links and man pages" \
  [ "$(grep -cxE '/opt/pillora/(pillora|pillora-job\.so|pillora-pdf-reader\.so|pillora-access-copy|pillora-fonts.conf)|/usr/bin/pillora|/usr/share/man/man1/pillora\.1\.gz' "$work/contents")" -eq 7 ]
for library in libcups2 libodbc2; do # loaded when a CUPS queue, an ODBC connection needs it
  check "the package depends on $library" \
    bash -c "dpkg-deb -f '$deb' Depends | tr ',' '\n' | grep -qxE ' *$library( .*)?'"
done
check "/usr/bin gets the links of the three programs people start, no helper" \
  [ "$(grep '^/usr/bin/.' "$work/contents" | tr '\n' ' ')" = \
    "/usr/bin/pillora /usr/bin/pillora-profile /usr/bin/velsor " ]
check "the package owns none of the pharmacy's files" \
  bash -c "! grep -qiE '^/opt/pillora/(dbDrugProfile\.mdb|.*\.config)\$' '$work/contents'"

# Purged where nothing else is in /opt (a dpkg database and root of the test's own): /opt,
# which no package owns, stays.
root=$work/root
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates" "$root/opt"
touch "$root/var/lib/dpkg/status"
dpkg --root="$root" --force-depends --force-script-chrootless -i "$deb" >"$work/dpkg.out" 2>&1 &&
  dpkg --root="$root" --force-script-chrootless --purge pillora >>"$work/dpkg.out" 2>&1
check "purged from an otherwise empty /opt, /opt stays ($(cat "$work/dpkg.out"))" [ -d "$root/opt" ]

apt install "$deb" || { cat "$work/apt.out"; echo "FAIL: apt-get install"; exit 1; }
installed=1

# --- used as the pharmacy uses it
cp "$PILLORA_TESTS_DIR/fixtures/jet/profile-sample.mdb" /opt/pillora/dbDrugProfile.mdb
cp /usr/share/doc/pillora/examples/DrugBag.config /opt/pillora/
cp /opt/pillora/dbDrugProfile.mdb /opt/pillora/DrugBag.config "$work/"
mkdir -p "$work/elsewhere" "$work/jobs"
cp "$PILLORA_SAMPLES/sample.ndrg" "$PILLORA_SAMPLES/sample.dprf" "$work/jobs/"
cat >"$work/use.sh" <<'USE'
cd "$1/elsewhere" || exit 1
export XDG_STATE_HOME=$1/state XDG_CACHE_HOME=$1/cache CUPS_SERVER=$1/no-cups.sock
unset PILLORA_HOME PILLORA_LOG LPDEST PRINTER
PILLORA_OUTPUT_DIR=out /usr/bin/pillora "$1/jobs/sample.ndrg" 全部列印 "Pillora PDF" \
  2>"$1/print.err"
echo "$?" >"$1/print.status"
/usr/bin/pillora --version >"$1/version.out" 2>&1
/usr/bin/pillora-profile dump /opt/pillora/dbDrugProfile.mdb >"$1/dump.csv" 2>"$1/dump.err"
echo "$?" >"$1/dump.status"
USE
# Over the build folder first: it may lie inside the source folder.
unshare --mount --propagation private bash -c \
  'mount -t tmpfs tmpfs "$1" && mount -t tmpfs tmpfs "$2" && bash "$3/use.sh" "$3"' \
  hide "$PILLORA_BUILD_DIR" "$PILLORA_SOURCE_DIR" "$work" ||
  { echo "FAIL: cannot hide the source and build folders"; exit 1; }

pdf=$work/elsewhere/out/sample.pdf
check "the sample job prints ($(cat "$work/print.err"))" [ "$(cat "$work/print.status")" = 0 ]
check "no warning: font set-up and database found ($(cat "$work/print.err"))" \
  [ ! -s "$work/print.err" ]
check "the PDF is in the output folder below the current one" [ -s "$pdf" ]
check "the drug's Chinese name comes from the Access database" \
  grep -qF 退熱寧錠500毫克 <(pdftotext "$pdf" - 2>/dev/null)
check "the Access helper made the database's SQLite copy" \
  compgen -G "$work/cache/pillora/*.sqlite" >/dev/null
check "標楷體 prints in AR PL UKai TW, as the font set-up says" \
  grep -q UKaiTW <(pdffonts "$pdf" 2>/dev/null)
check "the job log has the printed job" \
  grep -qF "file=$pdf" "$work/state/pillora/pillora.log"
check "pillora --version tells $version ($(cat "$work/version.out"))" \
  grep -qE "^(pillora|.*:) $version\$" "$work/version.out"
check "pillora-profile dumps the database ($(cat "$work/dump.err"))" \
  [ "$(cat "$work/dump.status")" = 0 ]
check "the dump is the CSV the database was made from" \
  cmp -s "$work/dump.csv" "$PILLORA_SAMPLES/profile.csv"
check "man finds pillora(1)" [ "$(man -w pillora 2>/dev/null)" = /usr/share/man/man1/pillora.1.gz ]

# --- removed
apt purge pillora || { cat "$work/apt.out"; echo "FAIL: apt-get purge"; }
installed=0
check "the package is gone" \
  bash -c "! dpkg-query -W -f='\${Status}' pillora 2>/dev/null | grep -q ' installed\$'"
left=$(while read -r path; do
  [ -d "$path" ] && [ ! -L "$path" ] && continue
  [ -e "$path" ] || [ -L "$path" ] && echo "$path"
done <"$work/contents")
check "none of the package's files stays ($left)" [ -z "$left" ]
kept=$(LC_ALL=C ls -A /opt/pillora 2>&1 | tr '\n' ' ')
check "/opt/pillora keeps just the pharmacy's files ($kept)" \
  [ "$kept" = "DrugBag.config dbDrugProfile.mdb " ]
for file in dbDrugProfile.mdb DrugBag.config; do
  check "$file is unchanged" cmp -s "$work/$file" "/opt/pillora/$file"
done
check "the documentation folder is gone" [ ! -e /usr/share/doc/pillora ]
checks_summary

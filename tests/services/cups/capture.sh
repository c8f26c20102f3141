#!/bin/sh
# The CUPS backend "capture": keeps the bytes of each job exactly as the queue delivers them.
#   capture:/a/folder   one file a job: /a/folder/<queue>-<job id>.prn
#   capture:/a/file     the file, replaced by every job
# CUPS starts a backend with: job-id user title copies options [file] (no file: standard
# input); without arguments it describes itself.
if [ $# -eq 0 ]; then
  echo 'direct capture "Unknown" "Keeps the bytes of each job in a file"'
  exit 0
fi
target=${DEVICE_URI#capture:}
case $target in //*) target=${target#//} ;; esac
if [ -d "$target" ]; then out="$target/${PRINTER:-queue}-$1.prn"; else out=$target; fi
partial="$out.part.$$"
if [ $# -ge 6 ]; then cat -- "$6" >"$partial" || exit 1; else cat >"$partial" || exit 1; fi
chmod 0644 "$partial" && mv -f "$partial" "$out" || exit 1
echo "INFO: capture kept $(wc -c <"$out") bytes in $out" >&2
exit 0

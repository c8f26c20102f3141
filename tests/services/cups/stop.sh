#!/bin/sh
# Ends the private CUPS server start.sh started in FOLDER: TERM, then KILL after ten seconds.
# A server that is no child of this shell stays a zombie until its parent reaps it; that
# counts as ended.
folder=$1
[ -f "$folder/run/cupsd.pid" ] || exit 0
pid=$(cat "$folder/run/cupsd.pid")
if kill -TERM "$pid" 2>/dev/null; then
  tries=0
  while kill -0 "$pid" 2>/dev/null; do
    [ "$(awk '{ print $3 }' "/proc/$pid/stat" 2>/dev/null)" != Z ] || break
    tries=$((tries + 1))
    if [ "$tries" -gt 200 ]; then
      kill -KILL "$pid"
      break
    fi
    sleep 0.05
  done
fi
rm -f "$folder/run/cupsd.pid"

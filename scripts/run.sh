#!/usr/bin/env bash
# Starts Quenvo.exe under Wine from build/run/, the start directory that holds
# Quenvo.ini and the two HTML files.
#   With DISPLAY set: runs on that display, in the foreground.
#   Without DISPLAY:  runs on a virtual screen (Xvfb) and writes a screenshot
#                     every few seconds into build/screenshots/run-NNN.png.
# Usage: scripts/run.sh build/win32/Quenvo.exe (or build/win64/...)
set -euo pipefail

if [ $# -ne 1 ] || [ ! -f "$1" ]; then
  echo "usage: $0 path/to/Quenvo.exe" >&2
  exit 2
fi
exe=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
arch=$(basename "$(dirname "$exe")")   # win32 or win64: the folder names the target

. "$(dirname "$0")/wine-env.sh"
rundir="$QUENVO_ROOT/build/run"
shots="$QUENVO_ROOT/build/screenshots"
interval=3          # seconds between screenshots on the virtual screen
mkdir -p "$rundir"

if [ -n "${DISPLAY:-}" ]; then
  wine_warm "$arch" display || true   # non-zero when the server already runs
  cd "$rundir"
  echo "run: starting Quenvo in $rundir on display $DISPLAY"
  exec "$WINE_LOADER_PATH" "$exe"
fi

# ---- no display: a virtual screen of our own -------------------------------
. "$(dirname "$0")/xvfb.sh"
start_xvfb

wine_warm "$arch" display || true   # non-zero when the server already runs
mkdir -p "$shots"
rm -f "$shots"/run-[0-9][0-9][0-9].png
cd "$rundir"
echo "run: starting Quenvo in $rundir on the virtual display $DISPLAY"
echo "run: screenshots every ${interval} s go to $shots/run-NNN.png; Ctrl+C ends the program"
"$WINE_LOADER_PATH" "$exe" </dev/null >/dev/null 2>&1 &
app_pid=$!

n=0
while kill -0 "$app_pid" 2>/dev/null; do
  sleep "$interval"
  kill -0 "$app_pid" 2>/dev/null || break
  n=$((n + 1))
  import -display "$DISPLAY" -window root "$(printf '%s/run-%03d.png' "$shots" "$n")" 2>/dev/null || true
done
status=0
wait "$app_pid" || status=$?
app_pid=""
echo "run: Quenvo ended (exit status $status); $n screenshot(s) in $shots"
exit "$status"

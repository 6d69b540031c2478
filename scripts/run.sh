#!/usr/bin/env bash
# Starts Quenvo.exe under Wine from build/run/, the start directory that holds
# Quenvo.ini and the two HTML files.
#   With DISPLAY set: runs on that display, in the foreground.
#   Without DISPLAY:  runs on a virtual screen (Xvfb) and writes a screenshot
#                     every few seconds into build/screenshots/run-NNN.png.
# Usage: scripts/run.sh build/win32/Quenvo.exe
set -euo pipefail

if [ $# -ne 1 ] || [ ! -f "$1" ]; then
  echo "usage: $0 path/to/Quenvo.exe" >&2
  exit 2
fi
exe=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")

. "$(dirname "$0")/wine-env.sh"
rundir="$QUENVO_ROOT/build/run"
shots="$QUENVO_ROOT/build/screenshots"
interval=3          # seconds between screenshots on the virtual screen
mkdir -p "$rundir"

if [ -n "${DISPLAY:-}" ]; then
  wine_warm display || true   # non-zero when the server already runs
  cd "$rundir"
  echo "run: starting Quenvo in $rundir on display $DISPLAY"
  exec wine "$exe"
fi

# ---- no display: a virtual screen of our own -------------------------------
xvfb_pid=""
app_pid=""
cleanup() {
  trap - EXIT INT TERM HUP
  if [ -n "$app_pid" ] && kill -0 "$app_pid" 2>/dev/null; then
    kill "$app_pid" 2>/dev/null || true
    wait "$app_pid" 2>/dev/null || true
  fi
  if [ -n "$xvfb_pid" ] && kill -0 "$xvfb_pid" 2>/dev/null; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM HUP

# The first display number from 97 up with no server on it. Xvfb writes the
# number to fd 3 once it accepts clients; if another server took the number
# first, ours exits and the next number is tried.
num=""
ready=$(mktemp)
for n in $(seq 97 160); do
  [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
  : >"$ready"
  Xvfb ":$n" -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$ready" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [ -s "$ready" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  if [ -s "$ready" ] && kill -0 "$xvfb_pid" 2>/dev/null; then num=$n; break; fi
  kill "$xvfb_pid" 2>/dev/null || true
  xvfb_pid=""
done
rm -f "$ready"
if [ -z "$num" ]; then
  echo "run: could not start Xvfb" >&2
  exit 1
fi
export DISPLAY=":$num"

wine_warm display || true   # non-zero when the server already runs
mkdir -p "$shots"
rm -f "$shots"/run-[0-9][0-9][0-9].png
cd "$rundir"
echo "run: starting Quenvo in $rundir on the virtual display $DISPLAY"
echo "run: screenshots every ${interval} s go to $shots/run-NNN.png; Ctrl+C ends the program"
wine "$exe" </dev/null >/dev/null 2>&1 &
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

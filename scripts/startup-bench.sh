#!/usr/bin/env bash
# Start-up time with many saved tabs: starts Quenvo.exe (with the real
# WebBrowser control) under Wine on a virtual screen of its own, from a start
# directory whose Quenvo.ini holds N default tabs, and times it until its main
# window is visible with the last of them in front (the window alone may show
# before the tabs are made). Prints the median of several starts for every N
# and the largest N against the smallest, with the load average after each
# count (the figures mean little on a busy machine).
#   QUENVO_BENCH_TABS  the tab counts (default "1 64 256")
#   QUENVO_BENCH_RUNS  runs per count (default 5)
# Usage: scripts/startup-bench.sh [path/to/Quenvo.exe]
#        (without one: builds and times every target this host's Wine runs)
set -euo pipefail

tab_counts=${QUENVO_BENCH_TABS:-1 64 256}
runs=${QUENVO_BENCH_RUNS:-5}
timeout=60          # seconds a start may take before the run counts as failed

. "$(dirname "$0")/wine-env.sh"
if [ $# -gt 1 ] || { [ $# -eq 1 ] && [ ! -f "$1" ]; }; then
  echo "usage: $0 [path/to/Quenvo.exe]" >&2
  exit 2
fi
if [ $# -eq 0 ]; then
  time_target() { "$0" "$QUENVO_ROOT/build/$1/Quenvo.exe"; }
  wine_each_target startup time_target
  exit
fi
exe=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
arch=$(basename "$(dirname "$exe")")   # the folder names the target, as for `make run`
case $arch in
  win32 | win64) ;;
  *) case $(objdump -f "$exe" 2>/dev/null) in
       *pei-i386*) arch=win32 ;;
       *pei-x86-64*) arch=win64 ;;
       *) echo "startup: $exe is no Windows program" >&2; exit 2 ;;
     esac ;;
esac

say() { echo "startup: $*"; }

# Distinct addresses the control really starts to fetch: nothing listens on
# the discard port here, so each navigation is refused at once, offline too,
# and without a dialog.
address() { echo "http://127.0.0.1:9/page$1"; }

write_ini() {  # dir, tab count
  local i
  {
    printf '%s\r\n' "[SETTING]" "SAVELASTTAB=0" "[TAB]" "COUNT=$2"
    for ((i = 0; i < $2; i++)); do printf 'URL%03d=%s\r\n' "$i" "$(address "$i")"; done
  } >"$1/Quenvo.ini"
}

# Starts the program in $1 with $2 tabs and sets $elapsed to the seconds until
# its main window is mapped and bears the last tab's address; ends the program
# before it returns. Runs in this shell, not in a subshell, so that the
# clean-up on exit knows $app_pid. Waits on X events, not polling: a look with
# xdotool costs a process, and looking every 20 ms took enough of the two
# cores to add 0.1 s to a start with one tab and over a second with 256.
time_start() {
  local t0 t1 end win="" line="" last spy spy_pid
  last=$(address $(($2 - 1)))
  cd "$1"
  t0=$EPOCHREALTIME
  # The loader itself, so that $! is the pid its windows carry.
  "$WINE_LOADER_PATH" "$exe" </dev/null >/dev/null 2>&1 &
  app_pid=$!
  end=$((SECONDS + timeout))
  running() { [ $SECONDS -lt "$end" ] && kill -0 "$app_pid" 2>/dev/null; }
  # A top-level window is mapped: the next line names it. Windows of earlier
  # runs fail the pid check.
  while [ -z "$win" ] && running; do
    read -r -t 1 line <&"$maps" && [[ $line == MapNotify* ]] && read -r line <&"$maps" || continue
    line=${line#*window }
    [ "$(xdotool getwindowpid "${line%%,*}" 2>/dev/null)" = "$app_pid" ] && win=${line%%,*}
  done
  line=""
  if [ -n "$win" ]; then
    exec {spy}< <(exec xprop -spy -id "$win" WM_NAME 2>/dev/null)
    spy_pid=$!
    while [[ $line != *" = \"$last\"" ]] && running; do
      read -r -t 1 line <&"$spy" || [ $? -gt 128 ] || break   # a timeout, not the end
    done
    t1=$EPOCHREALTIME
    kill "$spy_pid" 2>/dev/null || true
    exec {spy}<&-
  fi
  if [[ $line != *" = \"$last\"" ]]; then
    local why="no window showing the last tab within $timeout s"
    kill -0 "$app_pid" 2>/dev/null || why="the program ended before it showed its tabs"
    say "$why ($1)" >&2
    return 1
  fi
  kill "$app_pid" 2>/dev/null || true
  wait "$app_pid" 2>/dev/null || true
  app_pid=""
  elapsed=$(awk -v a="$t0" -v b="$t1" 'BEGIN { printf "%.2f", b - a }')
}

. "$(dirname "$0")/xvfb.sh"
start_xvfb
# The windows mapped on the screen, as events, for the whole session.
exec {maps}< <(exec stdbuf -oL xev -root -event substructure 2>/dev/null)
wine_warm "$arch" display || true   # non-zero when the server already runs
say "the $arch program $exe on the virtual display $DISPLAY, $runs runs per count"

medians=()
for n in $tab_counts; do
  dir="$QUENVO_ROOT/build/bench-startup/$n"
  rm -rf "$dir" && mkdir -p "$dir"
  write_ini "$dir" "$n"
  # The first start after the server came up reads the libraries from disk.
  [ ${#medians[@]} -gt 0 ] || time_start "$dir" "$n"
  times=()
  for _ in $(seq "$runs"); do
    time_start "$dir" "$n"
    times+=("$elapsed")
  done
  sorted=$(printf '%s\n' "${times[@]}" | sort -n | tr '\n' ' ')
  median=$(awk '{ print $(int((NF + 1) / 2)) }' <<<"$sorted")
  medians+=("$n $median")
  say "$n saved tab$([ "$n" = 1 ] || echo s): median $median s (${sorted% }), load $(cut -d' ' -f1-3 /proc/loadavg)"
done

if [ ${#medians[@]} -gt 1 ]; then
  printf '%s\n' "${medians[@]}" | sort -n | awk 'NR == 1 { n0 = $1; m0 = $2 } { n = $1; m = $2 }
    END { printf "startup: %d tabs take %.1fx the time of %d tab%s\n", n, m / m0, n0, n0 == 1 ? "" : "s" }'
fi

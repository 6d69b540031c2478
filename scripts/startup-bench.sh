#!/usr/bin/env bash
# Start-up and close with many saved tabs, beside the floor. Starts Quenvo.exe
# (with the real WebBrowser control) and TabFloor.exe, the least a window of
# this design costs (one hidden child window and one tab item per tab,
# batched), under Wine on the headless prefix, from a start directory whose
# Quenvo.ini holds N default tabs. OpenCloseTimer.exe times each inside Wine:
# from its start until its window is visible, answers and holds its N tab
# items (and the part of that after the window was made), and from WM_CLOSE
# until its process has ended (a window may hide at once and its program
# still run on). The two programs take turns, with a short pause between
# runs, so that both meet the machine as it is at the time. Prints the
# medians for every N; the cost of one more tab for each program, between
# the smallest and the largest N, and their ratio; and the close at the
# largest N against the smallest. Exits 1 when a restored tab
# costs more than 1.5 times the floor's, or the close more than twice.
#   QUENVO_BENCH_TABS  the tab counts (default "1 256")
#   QUENVO_BENCH_RUNS  runs per count and program (default 7)
# Usage: scripts/startup-bench.sh [path/to/Quenvo.exe]
#        (without one: builds and times every target this host's Wine runs;
#        the floor and the timer are taken from the program's build folder)
set -euo pipefail

tab_counts=${QUENVO_BENCH_TABS:-1 256}
runs=${QUENVO_BENCH_RUNS:-7}
pause=0.2           # seconds between two runs, so that one's end does not meet the next

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
build=$(dirname "$exe")
case $(objdump -f "$exe" 2>/dev/null) in
  *pei-i386*) arch=win32 ;;
  *pei-x86-64*) arch=win64 ;;
  *) echo "startup: $exe is no Windows program" >&2; exit 2 ;;
esac
for tool in TabFloor OpenCloseTimer; do
  [ -f "$build/$tool.exe" ] || { echo "startup: no $tool.exe beside $exe" >&2; exit 2; }
done

say() { echo "startup: $*"; }
windows_path() { local p=$1; echo "Z:${p//\//\\}"; }

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

# One start and close of program $1 in directory $2 with $3 tabs; appends
# "<program> <tabs> <open ms> <close ms> <window ms>" to $results.
time_once() {
  local out
  out=$(cd "$2" && "$WINE_LOADER_PATH" "$build/OpenCloseTimer.exe" "$(windows_path "$build/$1.exe")" "$3" \
          </dev/null 2>&1) || { say "$1 with $3 tabs: $out" >&2; return 1; }
  read -r _ open _ window _ close <<<"$out"
  echo "$1 $3 $open $close $window" >>"$results"
}

wine_warm "$arch" headless || true   # non-zero when the server already runs
say "the $arch program $exe beside the floor, headless, $runs runs of each per count, taking turns"

results=$(mktemp)
trap 'rm -f "$results"' EXIT
for n in $tab_counts; do
  dir="$QUENVO_ROOT/build/bench-startup/$n"
  rm -rf "$dir" && mkdir -p "$dir"
  write_ini "$dir" "$n"
done
# The first starts after the server came up read the libraries from disk.
first=${tab_counts%% *}
time_once TabFloor "$QUENVO_ROOT/build/bench-startup/$first" "$first"
time_once Quenvo "$QUENVO_ROOT/build/bench-startup/$first" "$first"
: >"$results"
for _ in $(seq "$runs"); do
  for n in $tab_counts; do
    for program in Quenvo TabFloor; do
      time_once "$program" "$QUENVO_ROOT/build/bench-startup/$n" "$n"
      sleep "$pause"
    done
  done
done

# Medians per program and count, then the cost of a tab and the close. A
# tab's cost is taken from the part of the start after the window was made:
# nothing before it depends on the tabs, and the start of a Wine process
# varies by a tenth of a second and more on a busy machine.
awk -v load="$(cut -d' ' -f1-3 /proc/loadavg)" '
  function median(list,   n, a, i, j, t) {
    n = split(list, a, " ")
    for (i = 2; i <= n; i++) for (j = i; j > 1 && a[j - 1] + 0 > a[j] + 0; j--) { t = a[j]; a[j] = a[j - 1]; a[j - 1] = t }
    return a[int((n + 1) / 2)]
  }
  { opens[$1, $2] = opens[$1, $2] " " $3; closes[$1, $2] = closes[$1, $2] " " $4
    windows[$1, $2] = windows[$1, $2] " " $5
    if (!($2 in seen)) { seen[$2] = 1; counts[++k] = $2 } }
  END {
    lo = counts[1]; hi = counts[k]
    for (i = 1; i <= k; i++) {
      n = counts[i]
      for (p = 1; p <= 2; p++) {
        prog = p == 1 ? "Quenvo" : "TabFloor"
        mo[prog, n] = median(opens[prog, n]); mw[prog, n] = median(windows[prog, n])
        mc[prog, n] = median(closes[prog, n])
        printf "startup: %-8s %3d tab%s: open %6.1f ms, %6.1f of it after the window was made, close %6.1f ms\n",
               prog, n, n == 1 ? " " : "s", mo[prog, n], mw[prog, n], mc[prog, n]
        printf "startup:                   (after the window:%s; close:%s)\n", windows[prog, n], closes[prog, n]
      }
    }
    status = 0
    if (hi > lo) {
      q = (mw["Quenvo", hi] - mw["Quenvo", lo]) / (hi - lo)
      f = (mw["TabFloor", hi] - mw["TabFloor", lo]) / (hi - lo)
      ratio = f > 0 ? q / f : 0
      tabOk = f > 0 && ratio <= 1.5
      printf "startup: one more tab: Quenvo %.3f ms, the floor %.3f ms: %.2f times the floor%s\n",
             q, f, ratio, tabOk ? "" : " - more than the 1.5 times allowed"
      c = mc["Quenvo", lo] > 0 ? mc["Quenvo", hi] / mc["Quenvo", lo] : 0
      fc = mc["TabFloor", lo] > 0 ? mc["TabFloor", hi] / mc["TabFloor", lo] : 0
      closeOk = c > 0 && c <= 2
      printf "startup: closing %d tabs takes %.2f times closing %d (the floor: %.2f times)%s\n",
             hi, c, lo, fc, closeOk ? "" : " - more than the twice allowed"
      if (!tabOk || !closeOk) status = 1
    }
    print "startup: load " load
    exit status
  }' "$results"

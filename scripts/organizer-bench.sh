#!/usr/bin/env bash
# The organizer's open time over collection files of 1,500 and 15,000
# entries (medians of five openings), for every target this host's Wine
# runs: the test program's disabled timing test, on the headless prefix.
# Prints the load average with the figures: they mean little on a busy machine.
set -euo pipefail
. "$(dirname "$0")/wine-env.sh"
time_organizer() {
  local out status=0
  echo "organizer: the $1 test program"
  out=$("$QUENVO_ROOT/scripts/wine-run.sh" "$1" "$QUENVO_ROOT/build/$1/win32_tests.exe" \
          --gtest_also_run_disabled_tests --gtest_filter='OrganizerBench.*' 2>/dev/null) || status=1
  grep '^organizer:' <<<"$out" || status=1
  echo "organizer: load $(cut -d' ' -f1-3 /proc/loadavg)"
  return $status
}
wine_each_target organizer time_organizer

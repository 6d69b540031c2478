#!/usr/bin/env bash
# The organizer's open time over collection files of 1,500 and 15,000
# entries (medians of five openings), for every target this host's Wine
# runs: the test program's disabled timing test, on the headless prefix.
# Prints the load average with the figures: they mean little on a busy machine.
set -euo pipefail
. "$(dirname "$0")/wine-env.sh"
wine_detect
[ -n "$wine_runnable" ] || { echo "organizer: this host runs no Wine ($wine_skipped)" >&2; exit 1; }
[ -z "$wine_skipped" ] || echo "organizer: left out: $wine_skipped"
status=0
for arch in $wine_runnable; do
  make --no-print-directory -C "$QUENVO_ROOT" "$arch"
  echo "organizer: the $arch test program"
  out=$("$QUENVO_ROOT/scripts/wine-run.sh" "$arch" "$QUENVO_ROOT/build/$arch/win32_tests.exe" \
          --gtest_also_run_disabled_tests --gtest_filter='OrganizerBench.*' 2>/dev/null) || status=1
  grep '^organizer:' <<<"$out" || status=1
  echo "organizer: load $(cut -d' ' -f1-3 /proc/loadavg)"
done
exit $status

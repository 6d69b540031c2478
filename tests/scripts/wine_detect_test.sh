#!/usr/bin/env bash
# The Wine detection on each kind of host, with stand-in loaders: one that runs,
# and one that fails as an i386 loader does on a kernel without i386 support.
set -u
here=$(cd "$(dirname "$0")/../.." && pwd)
fake=$(mktemp -d)
trap 'rm -rf "$fake"' EXIT
fails=0 passes=0
check() {  # description, expected, actual
  if [ "$2" = "$3" ]; then echo "ok: $1"; passes=$((passes + 1)); else echo "FAIL: $1: expected '$2', got '$3'"; fails=$((fails + 1)); fi
}
loader() {  # name, exit status
  printf '#!/bin/sh\nexit %s\n' "$2" >"$fake/$1"; chmod +x "$fake/$1"
}
detect() {  # [1 to force the 64-bit-only path]; prints runnable|skipped
  QUENVO_WINE_LIB=$fake QUENVO_WINE64_ONLY=${1:-0} bash -c '. "$1/scripts/wine-env.sh"; wine_detect; echo "$wine_runnable|$wine_skipped"' _ "$here"
}

loader wine 0; loader wine64 0
check "a host that runs both" "win32 win64|" "$(detect)"
check "the forced 64-bit-only path" "win64|32-bit Wine: skipped, QUENVO_WINE64_ONLY=1" \
      "$(detect 1)"

loader wine 126
check "a host without i386 support" "win64|32-bit Wine: skipped, this host runs no i386 programs" "$(detect)"

loader wine64 126
out=$(QUENVO_WINE_LIB=$fake QUENVO_WINE64_ONLY=0 "$here/scripts/test-wine.sh" 2>&1); status=$?
check "a host that runs no Wine fails" "1" "$status"
case $out in *"runs neither 32-bit nor 64-bit Wine"*) msg=named ;; *) msg=$out ;; esac
check "its message names the cause" named "$msg"

echo "$passes passed, $fails failed"
[ "$fails" -eq 0 ]

#!/usr/bin/env bash
# Runs the Windows tests of each built target under its own Wine, headless,
# against a warm wineserver. A target whose Wine this host cannot run gets only
# its Wine-free checks (the executable format) and is named as skipped; it
# never counts as passed. A host that runs no Wine at all fails.
# Usage: scripts/test-wine.sh build/win32 build/win64
set -u
. "$(dirname "$0")/wine-env.sh"
wine_detect
runnable=" $wine_runnable "

ran=() skipped=() failed=()
for build in "$@"; do
  arch=$(basename "$build")
  if [[ "$runnable" == *" $arch "* ]]; then
    echo "== $arch: Windows tests under $(wine_loader "$arch")"
    wine_warm "$arch" headless
    if (cd "$build" && ctest --output-on-failure); then ran+=("$arch"); else failed+=("$arch"); fi
  else
    echo "== $arch: no Wine for it here; checking the executable format only"
    (cd "$build" && ctest --output-on-failure -R '^exe_format$') || failed+=("$arch format")
    skipped+=("$arch")
  fi
done

summary="wine tests: ran ${ran[*]:-nothing}"
[ -n "$wine_skipped" ] && summary+="; $wine_skipped"
[ ${#failed[@]} -gt 0 ] && summary+="; FAILED: ${failed[*]}"
echo "$summary"
if [ ${#ran[@]} -eq 0 ] && [ ${#failed[@]} -eq 0 ]; then
  echo "wine tests: this host runs neither 32-bit nor 64-bit Wine; nothing was tested" >&2
  exit 1
fi
[ ${#failed[@]} -eq 0 ]

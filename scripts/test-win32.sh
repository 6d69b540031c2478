#!/usr/bin/env bash
# Runs the Win32 tests under Wine, headless, against a warm wineserver.
set -eu
build=$1
. "$(dirname "$0")/wine-env.sh"
wine_warm headless
cd "$build"
ctest --output-on-failure

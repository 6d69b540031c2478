#!/usr/bin/env bash
# Prints the target that `make run` and `make screenshot` use: the 32-bit
# program where this host runs it, else the 64-bit one.
. "$(dirname "$0")/wine-env.sh"
wine_detect
[ -n "$wine_runnable" ] || { echo "this host runs no Wine ($wine_skipped)" >&2; exit 1; }
echo "${wine_runnable%% *}"

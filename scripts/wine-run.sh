#!/usr/bin/env bash
# Runs a Windows program under Wine in the headless test prefix (CTest's emulator).
. "$(dirname "$0")/wine-env.sh"
export WINEPREFIX="${WINEPREFIX:-$QUENVO_WINE_ROOT/headless}"
exec wine "$@"

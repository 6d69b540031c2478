#!/usr/bin/env bash
# Runs a Windows program under one target's Wine in its headless test prefix
# (CTest's emulator). Usage: scripts/wine-run.sh win32|win64 program.exe [args]
. "$(dirname "$0")/wine-env.sh"
arch=$1; shift
wine_use "$arch" headless || exit 2
exec "$WINE_LOADER_PATH" "$@"

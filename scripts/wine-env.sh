# Sourced by the scripts that run Wine: one place for its environment.
QUENVO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
QUENVO_WINE_ROOT="$QUENVO_ROOT/build/wine"
export LC_ALL=ja_JP.UTF-8
export WINEDEBUG=-all
export WINEARCH=win32

# Starts a persistent wineserver for the prefix and warms it, with no pipe
# inherited, so later Wine processes start in a few hundredths of a second.
wine_warm() {
  export WINEPREFIX="$QUENVO_WINE_ROOT/$1"
  # Exits 2 when the prefix's server is already up: that is fine too.
  wineserver -p >/dev/null 2>&1 </dev/null || true
  wine wineboot >/dev/null 2>&1 </dev/null
}

# Sourced by the scripts that run Wine: one place for its environment.
#
# Two Windows targets come from the same sources: win32 (i686, the product) and
# win64 (x86_64). Each has its own Wine prefixes, build/wine/<arch>/headless,
# build/wine/<arch>/display and the same display at 144 and 192 DPI
# (display-144, display-192), and its own loader. Not every host can run the
# 32-bit loader (a kernel without i386 support answers "Exec format error"), so
# wine_detect finds which targets this host can run.
QUENVO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
QUENVO_WINE_ROOT="$QUENVO_ROOT/build/wine"
export LC_ALL=ja_JP.UTF-8
export WINEDEBUG=-all
# Where Debian keeps the loaders; the detection test points it at stand-ins.
wine_lib=${QUENVO_WINE_LIB:-/usr/lib/wine}

# Debian's /usr/bin/wine always picks the 32-bit loader once wine32 is
# installed, so each target calls its loader directly.
wine_loader() {  # arch
  case $1 in
    win32) echo "$wine_lib/wine" ;;
    win64) echo "$wine_lib/wine64" ;;
    *) echo "unknown Wine architecture '$1'" >&2; return 2 ;;
  esac
}

# Finds the targets this host's Wine can run by trying their loaders: sets
# $wine_runnable (32-bit first) and explains in $wine_skipped what it left out.
# QUENVO_WINE64_ONLY=1 leaves out the 32-bit target on any host, so the path of
# hosts without i386 support can be tried on one that has it.
wine_detect() {
  wine_runnable="" wine_skipped=""
  if [ "${QUENVO_WINE64_ONLY:-0}" = 1 ]; then
    wine_skipped="32-bit Wine: skipped, QUENVO_WINE64_ONLY=1"
  elif "$wine_lib/wine" --version >/dev/null 2>&1; then
    wine_runnable="win32"
  else
    wine_skipped="32-bit Wine: skipped, this host runs no i386 programs"
  fi
  if "$wine_lib/wine64" --version >/dev/null 2>&1; then
    wine_runnable="${wine_runnable:+$wine_runnable }win64"
  else
    wine_skipped="${wine_skipped:+$wine_skipped; }64-bit Wine: skipped, its loader does not run here"
  fi
}

# Points the environment at one prefix of one target: the `wine` function then
# runs that target's loader.
wine_use() {  # arch, kind (headless | display | display-144 | display-192)
  WINE_LOADER_PATH=$(wine_loader "$1") || return
  export WINEARCH=$1
  export WINELOADER=$WINE_LOADER_PATH
  export WINEPREFIX="$QUENVO_WINE_ROOT/$1/$2"
}
wine() { "$WINE_LOADER_PATH" "$@"; }
wineserver() { "$wine_lib/wineserver64" "$@"; }

# Starts a persistent wineserver for the prefix and warms it, with no pipe
# inherited, so later Wine processes start in a few hundredths of a second.
wine_warm() {  # arch, kind
  wine_use "$1" "$2" || return
  # Exits 2 when the prefix's server is already up: that is fine too.
  wineserver -p >/dev/null 2>&1 </dev/null || true
  wine wineboot >/dev/null 2>&1 </dev/null
}

# Every target this host's Wine runs, built, one after the other: prints
# what is left out, then calls the command with the target's name. Fails when
# no Wine runs here or when the command fails for any target.
wine_each_target() {  # label, command...
  local label=$1 arch status=0; shift
  wine_detect
  [ -n "$wine_runnable" ] || { echo "$label: this host runs no Wine ($wine_skipped)" >&2; return 1; }
  [ -z "$wine_skipped" ] || echo "$label: left out: $wine_skipped"
  for arch in $wine_runnable; do
    make --no-print-directory -C "$QUENVO_ROOT" "$arch"
    "$@" "$arch" || status=1
  done
  return $status
}

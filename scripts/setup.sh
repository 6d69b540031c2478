#!/usr/bin/env bash
# Installs what building, testing and running need, and prepares the Wine
# prefixes inside the build folder. Idempotent: says one line when all is there.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)

packages=(cmake make python3 g++ clang libclang-rt-14-dev googletest libbenchmark-dev
          g++-mingw-w64-i686-posix binutils-mingw-w64-i686
          wine wine32:i386 xvfb x11-apps imagemagick xdotool
          fonts-ipafont-gothic fonts-wine locales)
did=()

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  did+=(packages)
fi

if ! locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
  sed -i 's/^# *ja_JP.UTF-8 UTF-8/ja_JP.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
  did+=(locale)
fi

. "$here/scripts/wine-env.sh"

# A prefix is ready once its marker exists; the marker is written last.
make_prefix() {  # name, then extra registry settings as "key|value|data" triples
  local name=$1; shift
  local prefix="$QUENVO_WINE_ROOT/$name"
  [ -f "$prefix/.quenvo-ready" ] && return 0
  rm -rf "$prefix"; mkdir -p "$prefix"
  export WINEPREFIX="$prefix"
  # No HTML engine or .NET download offers while the prefix is made (offline).
  WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1 </dev/null || true
  local font
  for font in 'ＭＳ Ｐゴシック' 'MS UI Gothic' 'ＭＳ ゴシック' 'MS Shell Dlg' 'MS Shell Dlg 2'; do
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$font" /t REG_SZ /d IPAPGothic /f >/dev/null 2>&1
  done
  local kv
  for kv in "$@"; do
    IFS='|' read -r key value data <<<"$kv"
    wine reg add "$key" /v "$value" /t REG_SZ /d "$data" /f >/dev/null 2>&1
  done
  wineserver -w
  touch "$prefix/.quenvo-ready"
  did+=("prefix $name")
}
make_prefix headless 'HKCU\Software\Wine\Drivers|Graphics|null'
make_prefix display 'HKCU\Software\Wine\X11 Driver|Managed|N' 'HKCU\Software\Wine\X11 Driver|Decorated|N'

# Wine draws window-frame buttons with its own fonts, which Debian keeps
# outside the prefix: a prefix without them shows letters on its frames.
for name in headless display; do
  fonts="$QUENVO_WINE_ROOT/$name/drive_c/windows/Fonts"
  if [ -d "$fonts" ] && [ ! -f "$fonts/marlett.ttf" ]; then
    cp /usr/share/wine/fonts/*.ttf "$fonts/"
    did+=("fonts $name")
  fi
done

if [ ${#did[@]} -eq 0 ]; then
  echo "setup: everything present"
else
  echo "setup: done (${did[*]})"
fi

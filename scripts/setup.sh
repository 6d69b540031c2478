#!/usr/bin/env bash
# Installs what building, testing and running need, and prepares the Wine
# prefixes inside the build folder. Idempotent: says one line when all is there.
#   scripts/setup.sh          everything: both cross toolchains, Wine, prefixes
#   scripts/setup.sh native   only what the native core build, bench and fuzz need
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
mode=${1:-all}

packages=(cmake make python3 g++ clang libclang-rt-14-dev googletest libbenchmark-dev)
if [ "$mode" != native ]; then
  packages+=(g++-mingw-w64-i686-posix binutils-mingw-w64-i686
             g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
             wine wine64 wine32:i386 xvfb x11-apps x11-utils imagemagick xdotool
             fonts-ipafont-gothic fonts-wine locales)
fi
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

if [ "$mode" != native ]; then
  if ! locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
    sed -i 's/^# *ja_JP.UTF-8 UTF-8/ja_JP.UTF-8 UTF-8/' /etc/locale.gen
    grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen
    locale-gen >/dev/null
    did+=(locale)
  fi

  . "$here/scripts/wine-env.sh"

  # A prefix is ready once its marker exists; the marker is written last.
  make_prefix() {  # arch, kind, then extra registry settings as "key|value|data[|type]" (REG_SZ unless typed)
    local arch=$1 kind=$2; shift 2
    wine_use "$arch" "$kind"
    [ -f "$WINEPREFIX/.quenvo-ready" ] && return 0
    rm -rf "$WINEPREFIX"; mkdir -p "$WINEPREFIX"
    # No HTML engine or .NET download offers while the prefix is made (offline).
    WINEDLLOVERRIDES="mscoree,mshtml=" wine wineboot -i >/dev/null 2>&1 </dev/null || true
    local font
    for font in 'ＭＳ Ｐゴシック' 'MS UI Gothic' 'ＭＳ ゴシック' 'MS Shell Dlg' 'MS Shell Dlg 2'; do
      wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$font" /t REG_SZ /d IPAPGothic /f >/dev/null 2>&1
    done
    local kv
    for kv in "$@"; do
      IFS='|' read -r key value data type <<<"$kv"
      wine reg add "$key" /v "$value" /t "${type:-REG_SZ}" /d "$data" /f >/dev/null 2>&1
    done
    # Wine draws window-frame buttons with its own fonts, which Debian keeps
    # outside the prefix: a prefix without them shows letters on its frames.
    cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
    wineserver -w
    touch "$WINEPREFIX/.quenvo-ready"
    did+=("prefix $arch/$kind")
  }
  wine_detect
  for arch in $wine_runnable; do
    make_prefix "$arch" headless 'HKCU\Software\Wine\Drivers|Graphics|null'
    make_prefix "$arch" display 'HKCU\Software\Wine\X11 Driver|Managed|N' 'HKCU\Software\Wine\X11 Driver|Decorated|N'
    # The same screen at 150 % and 200 % display scale, for the screenshots.
    for dpi in 144 192; do
      make_prefix "$arch" "display-$dpi" 'HKCU\Software\Wine\X11 Driver|Managed|N' \
        'HKCU\Software\Wine\X11 Driver|Decorated|N' "HKCU\\Control Panel\\Desktop|LogPixels|$dpi|REG_DWORD"
    done
  done
  [ -n "$wine_runnable" ] || echo "setup: this host runs no Wine: $wine_skipped" >&2
fi

if [ ${#did[@]} -eq 0 ]; then
  echo "setup: everything present"
else
  echo "setup: done (${did[*]})"
fi

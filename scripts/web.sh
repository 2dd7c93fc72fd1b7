#!/usr/bin/env bash
# Builds Quenlit for the browser into build-web/: the page quenlit.html, the program quenlit.js
# and quenlit.wasm, the packed game folder quenlit.data, and what lets the page be installed and
# played offline (quenlit-sw.js, quenlit.webmanifest, the icons).
#
#   scripts/web.sh           install what is missing (Debian packages), build the libraries
#                            once, build the game folder on the desktop, then the page
#   scripts/web.sh --serve   the same, then serve build-web/ on localhost
#
# The WebAssembly libraries are built from Debian's source packages and kept in
# $QUENLIT_WEB_CACHE (default ~/.cache/quenlit-web), so later runs skip them.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
cache=${QUENLIT_WEB_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/quenlit-web}

serve=""
case "${1:-}" in
  --serve) serve=yes ;;
  "") ;;
  *) echo "usage: scripts/web.sh [--serve]" >&2; exit 2 ;;
esac

as_root() {
  if [ "$(id -u)" -eq 0 ]; then
    "$@"
  elif command -v sudo >/dev/null; then
    sudo "$@"
  else
    echo "web: need root or sudo for: $*" >&2
    exit 1
  fi
}

# --- Debian packages: the compiler, and the sources of the libraries ---
packages=(emscripten nodejs dpkg-dev cmake make optipng pngquant)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# apt-get source needs deb-src entries for the suites the machine already uses.
sources_file=/etc/apt/sources.list.d/quenlit-deb-src.sources
need_update=""
if ! grep -rqs '^Types:.*deb-src\|^deb-src' /etc/apt/sources.list /etc/apt/sources.list.d/; then
  [ -f /etc/apt/sources.list.d/debian.sources ] ||
    { echo "web: no /etc/apt/sources.list.d/debian.sources to copy the suites from" >&2; exit 1; }
  sed 's/^Types: *deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
    as_root tee "$sources_file" >/dev/null
  need_update=yes
fi
if [ ${#missing[@]} -gt 0 ] || [ -n "$need_update" ]; then
  export DEBIAN_FRONTEND=noninteractive
  as_root apt-get update -qq
  [ ${#missing[@]} -eq 0 ] ||
    as_root apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
# Node 20 (where installed) does not look in Debian's module folder by itself.
export NODE_PATH=/usr/share/nodejs
export EM_CACHE="$cache/emcache" EM_FROZEN_CACHE=""

# --- The libraries, from Debian's sources (skipped when already built) ---
bash scripts/web-libs.sh "$cache"

# --- The desktop build: the game folder's pictures, sounds, data and the page's fonts ---
bash scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target game_assets reward_png tower_data page_fonts character_tables text_table

# --- The page ---
emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=Release \
  -DQUENLIT_WEB_PREFIX="$cache/prefix" -DQUENLIT_NATIVE_BUILD="$root/build" >/dev/null
cmake --build build-web -j"$(nproc)" --target page
echo "web: built build-web/quenlit.html" >&2

if [ -n "$serve" ]; then
  exec node "$root/scripts/web-serve.mjs" "$root/build-web"
fi

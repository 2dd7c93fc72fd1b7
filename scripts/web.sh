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

# --- Debian packages: the compiler, and the sources of the libraries ---
bash scripts/debian-sources.sh web emscripten nodejs cmake make optipng pngquant

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

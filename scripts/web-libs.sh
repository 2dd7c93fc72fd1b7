#!/usr/bin/env bash
# Builds the libraries the browser build links against, as static WebAssembly libraries,
# from Debian's own source packages: FreeType, HarfBuzz, SDL2, SDL2_image and SDL2_ttf.
#
#   scripts/web-libs.sh CACHE_DIR
#
# Installs into CACHE_DIR/prefix and does nothing when that prefix was already built by this
# very recipe with this emscripten. Debian's emscripten cannot download its "ports" and
# ships a frozen cache, so everything is built here without threads (a threaded build would
# need every library built with -pthread and a page served with cross-origin isolation).
set -euo pipefail

cache=$(realpath -m "$1")
emcc_version=$(emcc --version)
recipe_key=$( (cat "$0" "$(dirname "$0")/debian-source.sh"; echo "${emcc_version%%$'\n'*}") |
  sha256sum | cut -c1-16)
prefix="$cache/prefix"
stamp="$prefix/.built-$recipe_key"
[ -f "$stamp" ] && exit 0

jobs=$(nproc)
src="$cache/src"
work="$cache/work"
rm -rf "$prefix" "$work"
mkdir -p "$src" "$work" "$prefix"

# A writable copy of the package's frozen emscripten cache: the system libraries it needs
# that are not prebuilt there get built into it once.
export EM_CACHE="$cache/emcache"
export EM_FROZEN_CACHE=""
if [ ! -d "$EM_CACHE/sysroot" ]; then
  rm -rf "$EM_CACHE"
  cp -a /usr/share/emscripten/cache "$EM_CACHE"
fi
# Node 20 (where installed) does not look in Debian's module folder by itself.
export NODE_PATH=/usr/share/nodejs

source "$(dirname "$0")/debian-source.sh"

# Configures, builds and installs one CMake project of $work into the prefix.
build() {
  local package=$1
  shift
  emcmake cmake -S "$work/$package" -B "$work/$package/build-wasm" -G "Unix Makefiles" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_FIND_ROOT_PATH="$prefix" \
    -DBUILD_SHARED_LIBS=OFF "$@" >"$work/$package.log" 2>&1 ||
    { tail -30 "$work/$package.log" >&2; exit 1; }
  cmake --build "$work/$package/build-wasm" -j"$jobs" >>"$work/$package.log" 2>&1 ||
    { tail -30 "$work/$package.log" >&2; exit 1; }
  cmake --install "$work/$package/build-wasm" >>"$work/$package.log" 2>&1
  echo "web-libs: built $package" >&2
}

for package in freetype harfbuzz libsdl2 libsdl2-image libsdl2-ttf; do
  fetch_source "$package" "$src" "$work"
done

# FreeType with none of its optional codecs: the game's fonts are plain TrueType/OpenType.
build freetype -DFT_DISABLE_ZLIB=ON -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON \
  -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON
# HarfBuzz over that FreeType, without GLib or ICU.
build harfbuzz -DHB_HAVE_FREETYPE=ON -DHB_HAVE_GLIB=OFF -DHB_HAVE_ICU=OFF \
  -DHB_HAVE_GOBJECT=OFF -DHB_BUILD_SUBSET=OFF -DHB_BUILD_UTILS=OFF -DHB_BUILD_TESTS=OFF
# SDL2 without threads: the game's main loop is the page's animation callback.
build libsdl2 -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF -DSDL_THREADS=OFF \
  -DSDL_PTHREADS=OFF
# SDL2_image decodes PNG with its bundled stb_image: no libpng, no zlib.
build libsdl2-image -DSDL2IMAGE_BACKEND_STB=ON -DSDL2IMAGE_VENDORED=OFF \
  -DSDL2IMAGE_DEPS_SHARED=OFF -DSDL2IMAGE_SAMPLES=OFF -DSDL2IMAGE_TESTS=OFF \
  -DSDL2IMAGE_AVIF=OFF -DSDL2IMAGE_JXL=OFF -DSDL2IMAGE_TIF=OFF -DSDL2IMAGE_WEBP=OFF \
  -DSDL2IMAGE_JPG=OFF -DSDL2IMAGE_SVG=OFF -DSDL2IMAGE_XCF=OFF -DSDL2IMAGE_LBM=OFF \
  -DSDL2IMAGE_PCX=OFF -DSDL2IMAGE_PNM=OFF -DSDL2IMAGE_QOI=OFF -DSDL2IMAGE_TGA=OFF \
  -DSDL2IMAGE_XPM=OFF -DSDL2IMAGE_XV=OFF -DSDL2IMAGE_GIF=OFF -DSDL2IMAGE_BMP=OFF
# SDL2_ttf shaping with the HarfBuzz above rather than its vendored copies.
build libsdl2-ttf -DSDL2TTF_VENDORED=OFF -DSDL2TTF_HARFBUZZ=ON -DSDL2TTF_SAMPLES=OFF \
  -DSDL2TTF_INSTALL=ON

rm -rf "$work"
touch "$stamp"

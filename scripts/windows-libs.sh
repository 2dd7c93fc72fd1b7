#!/usr/bin/env bash
# Builds the libraries the Windows build links against, as static MinGW-w64 libraries, from
# Debian's own source packages: libpng, FreeType, HarfBuzz, SDL2, SDL2_image, SDL2_ttf and
# GoogleTest (zlib is Debian's libz-mingw-w64-dev).
#
#   scripts/windows-libs.sh CACHE_DIR
#
# Installs into CACHE_DIR/prefix and does nothing when that prefix was already built by this
# very recipe with this compiler. Everything is static, so that quenlit.exe needs only the
# DLLs every Windows has.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
toolchain="$here/../cmake/MinGW64.cmake"
cache=$(realpath -m "$1")
compiler_version=$(x86_64-w64-mingw32-g++-posix --version)
recipe_key=$( (cat "$0" "$here/debian-source.sh" "$toolchain"; echo "${compiler_version%%$'\n'*}") |
  sha256sum | cut -c1-16)
prefix="$cache/prefix"
stamp="$prefix/.built-$recipe_key"
[ -f "$stamp" ] && exit 0

jobs=$(nproc)
src="$cache/src"
work="$cache/work"
rm -rf "$prefix" "$work"
mkdir -p "$src" "$work" "$prefix"

source "$here/debian-source.sh"

# Configures, builds and installs one CMake project of $work into the prefix.
build() {
  local package=$1
  shift
  cmake -S "$work/$package" -B "$work/$package/build-mingw" -G "Unix Makefiles" \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DQUENLIT_WINDOWS_PREFIX="$prefix" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DCMAKE_PREFIX_PATH="$prefix" -DBUILD_SHARED_LIBS=OFF "$@" >"$work/$package.log" 2>&1 ||
    { tail -30 "$work/$package.log" >&2; exit 1; }
  cmake --build "$work/$package/build-mingw" -j"$jobs" >>"$work/$package.log" 2>&1 ||
    { tail -30 "$work/$package.log" >&2; exit 1; }
  cmake --install "$work/$package/build-mingw" >>"$work/$package.log" 2>&1
  echo "windows-libs: built $package" >&2
}

for package in libpng1.6 freetype harfbuzz libsdl2 libsdl2-image libsdl2-ttf googletest; do
  fetch_source "$package" "$src" "$work"
done

# libpng over Debian's MinGW zlib, the library alone.
build libpng1.6 -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
  -DPNG_BUILD_ZLIB=OFF -DSKIP_INSTALL_PROGRAMS=ON -DSKIP_INSTALL_FILES=ON
# FreeType with none of its optional codecs but zlib, Debian's (without it FreeType would carry
# a copy of its own, which clashes with the one libpng uses): the game's fonts are plain
# TrueType/OpenType.
build freetype -DFT_REQUIRE_ZLIB=ON -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON \
  -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON
# HarfBuzz over that FreeType, without GLib, ICU or the Windows shapers.
build harfbuzz -DHB_HAVE_FREETYPE=ON -DHB_HAVE_GLIB=OFF -DHB_HAVE_ICU=OFF \
  -DHB_HAVE_GOBJECT=OFF -DHB_HAVE_UNISCRIBE=OFF -DHB_HAVE_DIRECTWRITE=OFF -DHB_HAVE_GDI=OFF \
  -DHB_BUILD_SUBSET=OFF -DHB_BUILD_UTILS=OFF -DHB_BUILD_TESTS=OFF
# SDL2 with SDL2main, which hands main() its arguments in UTF-8.
build libsdl2 -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF
# SDL2_image reading and writing PNG with the libpng above, as on the desktop.
build libsdl2-image -DSDL2IMAGE_BACKEND_STB=OFF -DSDL2IMAGE_BACKEND_WIC=OFF \
  -DSDL2IMAGE_VENDORED=OFF -DSDL2IMAGE_DEPS_SHARED=OFF -DSDL2IMAGE_SAMPLES=OFF \
  -DSDL2IMAGE_TESTS=OFF -DSDL2IMAGE_PNG=ON \
  -DSDL2IMAGE_AVIF=OFF -DSDL2IMAGE_JXL=OFF -DSDL2IMAGE_TIF=OFF -DSDL2IMAGE_WEBP=OFF \
  -DSDL2IMAGE_JPG=OFF -DSDL2IMAGE_SVG=OFF -DSDL2IMAGE_XCF=OFF -DSDL2IMAGE_LBM=OFF \
  -DSDL2IMAGE_PCX=OFF -DSDL2IMAGE_PNM=OFF -DSDL2IMAGE_QOI=OFF -DSDL2IMAGE_TGA=OFF \
  -DSDL2IMAGE_XPM=OFF -DSDL2IMAGE_XV=OFF -DSDL2IMAGE_GIF=OFF -DSDL2IMAGE_BMP=OFF
# SDL2_ttf shaping with the HarfBuzz above rather than its vendored copies.
build libsdl2-ttf -DSDL2TTF_VENDORED=OFF -DSDL2TTF_HARFBUZZ=ON -DSDL2TTF_SAMPLES=OFF \
  -DSDL2TTF_INSTALL=ON
# GoogleTest for the tests run under Wine.
build googletest -DBUILD_GMOCK=OFF -Dgtest_force_shared_crt=ON

# The licences of everything linked into quenlit.exe, which the zip and the installer carry.
mkdir -p "$prefix/licenses"
for package in libpng1.6 freetype harfbuzz libsdl2 libsdl2-image libsdl2-ttf; do
  cp "$work/$package/debian/copyright" "$prefix/licenses/$package.txt"
done
cp /usr/share/doc/libz-mingw-w64-dev/copyright "$prefix/licenses/zlib.txt"
cp /usr/share/doc/gcc-mingw-w64-base/copyright "$prefix/licenses/gcc-runtime.txt"
cp /usr/share/doc/mingw-w64-common/copyright "$prefix/licenses/mingw-w64-runtime.txt"

rm -rf "$work"
touch "$stamp"

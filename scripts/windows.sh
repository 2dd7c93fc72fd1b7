#!/usr/bin/env bash
# Builds Quenlit for 64-bit Windows into build-windows/, cross-compiled with MinGW-w64:
#   game/quenlit.exe beside its game folder, ready to run (also under Wine);
#   Quenlit-VERSION-win64.zip, the portable copy: the exe, the game folder and the licences;
#   Quenlit-VERSION-win64-setup.exe, the installer (NSIS).
#
#   scripts/windows.sh           install what is missing (Debian packages), build the libraries
#                                once, build the game folder on the desktop, then the Windows
#                                build and its packages
#   scripts/windows.sh --tests   the same, and the test programs for running under Wine
#
# The libraries are built from Debian's source packages and kept in $QUENLIT_WINDOWS_CACHE
# (default ~/.cache/quenlit-windows), so later runs skip them.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
cache=${QUENLIT_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/quenlit-windows}

tests=""
case "${1:-}" in
  --tests) tests=yes ;;
  "") ;;
  *) echo "usage: scripts/windows.sh [--tests]" >&2; exit 2 ;;
esac

# --- Debian packages: the compilers, the installer maker, and the sources of the libraries ---
bash scripts/deps.sh
bash scripts/debian-sources.sh windows g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix \
  mingw-w64-tools libz-mingw-w64-dev nsis

# --- The libraries, from Debian's sources (skipped when already built) ---
bash scripts/windows-libs.sh "$cache"

# --- The desktop build: the game folder's pictures, sounds, data, fonts and the icon ---
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
native=(game_assets reward_png tower_data quenlit-assetgen quenlit_game)  # quenlit_game: its tables
[ -z "$tests" ] || native+=(page_fonts)  # the golden TextFit test reads the page's fonts
cmake --build build -j"$(nproc)" --target "${native[@]}"

# --- The Windows build ---
# -O2 as the desktop build has it (GCC 12 warns falsely of some string copies at -O3).
cmake -S . -B build-windows -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/MinGW64.cmake" \
  -DQUENLIT_WINDOWS_PREFIX="$cache/prefix" -DQUENLIT_WINDOWS_LICENSES="$cache/prefix/licenses" \
  -DQUENLIT_NATIVE_BUILD="$root/build" >/dev/null
targets=(quenlit windows_zip windows_installer)
[ -z "$tests" ] || targets+=(quenlit-sim quenlit-tower quenlit-close-window unit_tests scenario_tests golden_tests)
cmake --build build-windows -j"$(nproc)" --target "${targets[@]}"
for file in build-windows/game/quenlit.exe build-windows/Quenlit-*-win64.zip \
  build-windows/Quenlit-*-win64-setup.exe; do
  echo "windows: built $file ($(( ($(stat -c %s "$file") + 1023) / 1024 )) KiB)" >&2
done

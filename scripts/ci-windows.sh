#!/usr/bin/env bash
# CI stage: the Windows build (scripts/windows.sh, with its test programs) and its tests under
# Wine on a virtual display (tests/windows/wine_tests.sh): the unit, scenario and golden tests,
# the portable copy played against the desktop game, and the installer. Says the time each
# part took, and the sizes of what a player downloads.
set -euo pipefail
cd "$(dirname "$0")/.."
started=$SECONDS
bash scripts/windows.sh --tests
built=$SECONDS
bash scripts/deps.sh wine wine64
# The desktop pieces the tests compare with: its program and its window closer.
cmake --build build -j"$(nproc)" --target quenlit quenlit-close-window page_fonts >/dev/null
bash tests/windows/wine_tests.sh build-windows build build-windows/wine-tests
for file in build-windows/Quenlit-*-win64.zip build-windows/Quenlit-*-win64-setup.exe; do
  echo "windows: $(basename "$file"): $(( ($(stat -c %s "$file") + 1023) / 1024 )) KiB"
done
echo "windows: built in $((built - started)) s, tested under Wine in $((SECONDS - built)) s"

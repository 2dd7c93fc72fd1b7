#!/usr/bin/env bash
# Builds Quenlit and runs every test. Installs missing Debian packages first.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUENLIT_WERROR="${QUENLIT_WERROR:-OFF}" >/dev/null
cmake --build build -j"$(nproc)"
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
ctest --test-dir build --output-on-failure -j"$(nproc)"

#!/usr/bin/env bash
# CI stage: the browser build, played in headless Chromium, and its figures (download size,
# time to the map).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/web.sh

# The browser and the test's one npm package.
missing=()
dpkg-query -W -f='${Status}' chromium 2>/dev/null | grep -q "install ok installed" || missing+=(chromium)
command -v npm >/dev/null || missing+=(npm)
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
fi
(cd tests/web && npm ci --no-audit --no-fund --loglevel=error)

# The figures compare with the desktop's loading, timed by its benchmark.
cmake --build build -j"$(nproc)" --target quenlit-bench-load >/dev/null
bash scripts/web-figures.sh
# One browser at a time: each test file starts its own.
QUENLIT_WEB_DIR=build-web node --test --test-concurrency=1 tests/web/

#!/usr/bin/env bash
# CI stage after scripts/test.sh (whose build in build/ it reads): the formatting, the layers
# at link level, and clang-tidy, which compiles src/ and tools/ with clang and fails on any
# warning or finding.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh clang clang-format clang-tidy
bash scripts/check-format.sh
bash scripts/check-layers.sh build
bash scripts/check-tidy.sh build

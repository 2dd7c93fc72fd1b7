#!/usr/bin/env bash
# CI stage: every fuzz target of the readers of outside input for a bounded time (30 seconds
# each unless QUENLIT_FUZZ_SECONDS says otherwise), built with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer by scripts/fuzz.sh. A crash or a sanitizer report fails the stage.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/fuzz.sh --seconds "${QUENLIT_FUZZ_SECONDS:-30}"

#!/usr/bin/env bash
# CI stage: the core, the tools and every test built with AddressSanitizer and
# UndefinedBehaviorSanitizer (CMake preset "sanitize", in build-sanitize/), then the whole
# suite run there. Any report fails the stage: undefined behaviour and memory errors abort,
# and so does a leak that tests/sanitizers/lsan.supp (system libraries only) does not name.
#
# The preset sets the sanitizers' options for the build (its tools make the game's pictures)
# and for the tests. allocator_may_return_null makes an impossible allocation fail as it does
# without the sanitizer, so that a huge window size from config.ini meets the game's own
# message instead of the sanitizer's abort.
#
# The test preset leaves out the one test that draws on Mesa's graphics driver: the driver keeps
# memory until the process ends, in libraries it unloads before LeakSanitizer looks, so that no
# suppression can name them.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize -j"$(nproc)"
ctest --preset sanitize -j"$(nproc)"
# The loading sequence's hand-over under ThreadSanitizer, in its own build (preset tsan).
cmake --preset tsan >/dev/null
cmake --build --preset tsan -j"$(nproc)"
ctest --preset tsan

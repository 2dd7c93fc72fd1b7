#!/usr/bin/env bash
# Runs clang-tidy with the checks of .clang-tidy over the game's and the tools' sources, from
# the compile commands of a build folder, with every finding an error. The compiler's own
# warnings come with it, so this is also the clang build of src/ and tools/ with warnings as
# errors.
#   scripts/check-tidy.sh [BUILD_DIR]     (default: build; it must have been built, since some
#                                          sources are generated)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
[ -f "$build/compile_commands.json" ] ||
  { echo "check-tidy: no $build/compile_commands.json; build first" >&2; exit 2; }
command -v run-clang-tidy >/dev/null || { echo "check-tidy: clang-tidy is not installed" >&2; exit 2; }
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
if ! run-clang-tidy -p "$build" -j "$(nproc)" -quiet "$PWD/(src|tools)/.*\.cpp$" >"$log" 2>&1 ||
  grep -q "error:" "$log"; then
  grep -E "error:" -A3 "$log" >&2 || tail -n 40 "$log" >&2
  echo "check-tidy: findings above" >&2
  exit 1
fi
echo "check-tidy: no findings in src/ and tools/"

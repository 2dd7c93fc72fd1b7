#!/usr/bin/env bash
# Fails when a C++ file of the repository differs from what clang-format makes of it with the
# root .clang-format; lists the files. `clang-format -i FILE` mends one.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || { echo "check-format: clang-format is not installed" >&2; exit 2; }
unformatted=()
while IFS= read -r file; do
  clang-format --dry-run --Werror "$file" >/dev/null 2>&1 || unformatted+=("$file")
done < <(git ls-files '*.cpp' '*.h')
if [ ${#unformatted[@]} -gt 0 ]; then
  echo "check-format: not formatted as .clang-format asks:" >&2
  printf '  %s\n' "${unformatted[@]}" >&2
  exit 1
fi
echo "check-format: every C++ file is formatted"

#!/usr/bin/env bash
# Runs every libFuzzer target of the readers of outside input (tests/fuzz/) and prints, for
# each, how many inputs it ran and how many crashes it found.
#
#   scripts/fuzz.sh                  # 1,000,000 executions per target
#   scripts/fuzz.sh --runs N         # N executions per target
#   scripts/fuzz.sh --seconds S      # S seconds per target (CI runs 30)
#
# Builds build-fuzz/ with the CMake preset "fuzz" (clang, AddressSanitizer and
# UndefinedBehaviorSanitizer) first. Each target starts from its seed corpus in
# tests/fuzz/corpus/NAME, with tests/fuzz/NAME.dict where there is one; what it learns goes to
# a temporary folder, and an input that crashes is kept in build-fuzz/crashes/NAME/ and named
# in the output. Exits 1 when any target crashed.
set -euo pipefail
cd "$(dirname "$0")/.."

limit=(-runs=1000000)
case "${1:-}" in
  --runs) limit=(-runs="$2") ;;
  --seconds) limit=(-max_total_time="$2") ;;
  "") ;;
  *) echo "usage: scripts/fuzz.sh [--runs N | --seconds S]" >&2; exit 2 ;;
esac

# clang with its libFuzzer and sanitizer runtimes, which only this build needs.
bash scripts/deps.sh clang libclang-rt-dev
command -v clang++ >/dev/null || { echo "fuzz: clang++ is missing (scripts/deps.sh installs it)" >&2; exit 1; }
cmake --preset fuzz >/dev/null
cmake --build build-fuzz -j"$(nproc)"

# The longest input each target takes: a map file with keys, a whole save, a short sound.
declare -A max_len=([ini]=4096 [floor]=512 [monster]=8192 [save]=4400 [wave]=16384 [integrity]=8192)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
printf '%-10s %12s %8s\n' target executions crashes
for name in ini integrity wave save floor monster; do
  crashes="build-fuzz/crashes/$name"
  rm -rf "$crashes"
  mkdir -p "$crashes" "$work/$name"
  dict=()
  [ -f "tests/fuzz/$name.dict" ] && dict=(-dict="tests/fuzz/$name.dict")
  status=0
  "build-fuzz/tests/fuzz/${name}_fuzz" "${limit[@]}" "${dict[@]}" -max_len="${max_len[$name]}" \
    -print_final_stats=1 -artifact_prefix="$crashes/" -close_fd_mask=3 \
    "$work/$name" "tests/fuzz/corpus/$name" >"$work/$name.log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/$name.log" | tail -n1)
  found=$(find "$crashes" -type f | wc -l)
  if [ "$status" -ne 0 ] && [ "$found" -eq 0 ]; then found=1; fi
  printf '%-10s %12s %8s\n' "$name" "${runs:-?}" "$found"
  if [ "$found" -ne 0 ]; then
    failed=1
    grep -E 'ERROR|runtime error|SUMMARY|Test unit written' "$work/$name.log" | head -n 20 | sed 's/^/  /' || true
  fi
done
exit "$failed"

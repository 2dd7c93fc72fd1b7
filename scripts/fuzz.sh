#!/usr/bin/env bash
# Runs every libFuzzer target of the readers of outside input (tests/fuzz/) and prints, for
# each, how many inputs it ran and how many crashes it found.
#
#   scripts/fuzz.sh                  # 1,000,000 executions per target
#   scripts/fuzz.sh --runs N         # N executions per target
#   scripts/fuzz.sh --seconds S      # S seconds per target (CI runs 30)
#   scripts/fuzz.sh --fast ...       # the same without AddressSanitizer, several times faster
#
# Builds build-fuzz/ with the CMake preset "fuzz" (clang, AddressSanitizer and
# UndefinedBehaviorSanitizer) first; --fast builds build-fuzz-fast/ with the preset
# "fuzz-fast" instead, where undefined behaviour traps and libFuzzer still catches every
# crash, but a stray read or write that does not crash goes unseen. Each target starts from its
# seed corpus in tests/fuzz/corpus/NAME, with tests/fuzz/NAME.dict where there is one; what it
# learns goes to a temporary folder, and an input that crashes is kept in BUILD/crashes/NAME/
# and named in the output. Exits 1 when any target crashed.
set -euo pipefail
cd "$(dirname "$0")/.."

usage() { echo "usage: scripts/fuzz.sh [--fast] [--runs N | --seconds S]" >&2; exit 2; }
limit=(-runs=1000000)
preset=fuzz
while [ $# -gt 0 ]; do
  case "$1" in
    --runs) [ $# -ge 2 ] || usage; limit=(-runs="$2"); shift 2 ;;
    --seconds) [ $# -ge 2 ] || usage; limit=(-max_total_time="$2"); shift 2 ;;
    --fast) preset=fuzz-fast; shift ;;
    *) usage ;;
  esac
done
build=build-$preset

# clang with its libFuzzer and sanitizer runtimes, which only this build needs.
bash scripts/deps.sh clang libclang-rt-dev
command -v clang++ >/dev/null || { echo "fuzz: clang++ is missing (scripts/deps.sh installs it)" >&2; exit 1; }
cmake --preset "$preset" >/dev/null
cmake --build "$build" -j"$(nproc)"

# The longest input each target takes: a map file with keys, a whole save, a short sound, a
# small picture.
declare -A max_len=([ini]=4096 [floor]=512 [monster]=8192 [save]=4400 [wave]=16384 [integrity]=8192 [script]=4096 [png]=8192)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
printf '%-10s %12s %8s\n' target executions crashes
for name in ini integrity wave save floor monster script png; do
  crashes="$build/crashes/$name"
  rm -rf "$crashes"
  mkdir -p "$crashes" "$work/$name"
  dict=()
  [ -f "tests/fuzz/$name.dict" ] && dict=(-dict="tests/fuzz/$name.dict")
  status=0
  TMPDIR="$work" "$build/tests/fuzz/${name}_fuzz" "${limit[@]}" "${dict[@]}" -max_len="${max_len[$name]}" \
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

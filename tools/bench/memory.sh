#!/bin/bash
# The game's peak memory against the decoded size of its pictures at three window sizes, each
# drawn in a process of its own by quenlit-bench-frames (every screen, the heaviest battle
# included). The pictures' stretched copies grow with the window up to twice the scene's size;
# above it none are kept, and the memory stops growing with the window.
#
#   tools/bench/memory.sh [GAME_FOLDER] [FRAMES]
#
# GAME_FOLDER defaults to build/game; FRAMES (per screen, default 30) only sets how long it takes.
set -euo pipefail
folder=${1:-build/game}
frames=${2:-30}
for size in 1366x768 1920x1080 3840x2160; do
  "$folder/quenlit-bench-frames" --root "$folder" --frames "$frames" --size "$size" |
    grep -E '^(memory at|heaviest frame)'
done

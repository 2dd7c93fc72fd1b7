#!/bin/bash
# How much of one processor core the real game takes while it stands idle on the map, in a
# window on a virtual X display (Xvfb), with the game folder's own config.ini.
#
#   tools/bench/idle.sh [GAME_FOLDER] [SECONDS]
#
# GAME_FOLDER defaults to build/game, SECONDS (the span measured) to 10. The game is left
# alone for 3 s after its window shows, so loading is over, then its processor time (user and
# system, from /proc) is read at both ends of the span. The goal is at most 5 % of a core.
set -euo pipefail
folder=$(cd "${1:-build/game}" && pwd)
seconds=${2:-10}
out=$(mktemp -d)
game="$folder/quenlit"
trap 'kill "$game_pid" "$xvfb" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$out"' EXIT
game_pid=""

Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$out/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$out/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$out/display")" SDL_AUDIODRIVER=dummy
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

"$game" --root "$folder" >/dev/null 2>"$out/stderr" &
game_pid=$!
for _ in $(seq 200); do
  xdotool search --onlyvisible --name '^Quenlit$' >/dev/null 2>&1 && break
  sleep 0.1
done
sleep 3

ticks() { awk '{ print $14 + $15 }' "/proc/$game_pid/stat"; }
hertz=$(getconf CLK_TCK)
before=$(ticks)
sleep "$seconds"
after=$(ticks)
grep -m1 'drawing with' "$out/stderr" || true
awk -v t=$((after - before)) -v hz="$hertz" -v s="$seconds" \
  'BEGIN { printf "idle on the map: %.1f %% of one core (%d ticks in %d s)\n", 100 * t / hz / s, t, s }'

#!/usr/bin/env bash
# The game as a player meets it, started from its game folder on a virtual X display:
#  - without a sound device it says so in a box and runs silent;
#  - closed during loading, or later on the map, it ends with exit code 0;
#  - its window starts centred as if it were 800 x 600, shows the loading screen, then the
#    map, and takes arrow keys;
#  - Alt+"/" opens the About box, and F8 moves the window to (0, 0) with the next size.
# Screenshots are left in OUT_DIR.
#
# The map it shows, as it is and scaled by F8, matches the golden picture that quenlit-sim's
# shot draws of the same new game.
#
#   smoke.sh QUENLIT CLOSE_WINDOW_TOOL OUT_DIR GOLDEN_MAP_PNG
set -euo pipefail
game=$1 closer=$2 out=$3 golden=$4
mkdir -p "$out"
rm -f "$out"/*.png

source "$(dirname "$0")/xvfb_game.sh"
start_xvfb

cd "$(dirname "$game")"

# Without a sound device the game says so and runs silent.
SDL_AUDIODRIVER=nosuchdevice "$game" >"$out/stdout.txt" 2>"$out/stderr.txt" &
game_pid=$!
answer_box "DirectSound" "without a sound device"
await_window
close_game "without sound"

# Closed while still loading, the game ends cleanly.
start_game
sleep 0.3
close_game "during loading"

start_game
# Centred as if it were 800 x 600: on a 1920 x 1080 desktop the 1366 x 768 window is at
# (560, 240).
geometry=$(xdotool getwindowgeometry "$window")
echo "$geometry" | grep -q 'Position: 560,240' || fail "the window is not placed at (560, 240): $geometry"
echo "$geometry" | grep -q 'Geometry: 1366x768' || fail "the window is not 1366 x 768: $geometry"
colours() { identify -format '%k' "$out/$1.png"; }

await_map

# How far a screenshot is from the golden map, as a root-mean-square difference of 0 to 1.
# "scaled": the screenshot is stretched back to the golden's size; otherwise it is compared with
# the same part of the golden (the screen's edge may cut the window off). The limit leaves room
# for monsters showing their other blink picture.
difference() {
  local size
  size=$(identify -format '%wx%h' "$out/$1.png")
  if [ "$2" = scaled ]; then
    convert "$out/$1.png" -resize "$(identify -format '%wx%h' "$golden")!" "$out/$1-compared.png"
    cp "$golden" "$out/golden-compared.png"
  else
    cp "$out/$1.png" "$out/$1-compared.png"
    convert "$golden" -crop "$size+0+0" +repage "$out/golden-compared.png"
  fi
  # compare exits 1 when the pictures differ at all; the figure is what counts.
  { compare -metric RMSE "$out/$1-compared.png" "$out/golden-compared.png" null: 2>&1 || true; } |
    sed -E 's/.*\(([0-9.e-]+)\).*/\1/'
}
# The limits sit well below what another screen gives (the loading screen differs by 0.39).
close_to_golden() {
  local d
  d=$(difference "$1" "$2")
  echo "smoke: $1 differs from the golden map by $d (at most $3)"
  awk -v d="$d" -v limit="$3" 'BEGIN { exit !(d <= limit) }' ||
    fail "the $1 screenshot differs from the golden map by $d, more than $3"
}
close_to_golden map unscaled 0.04

xdotool windowfocus --sync "$window" 2>/dev/null || true
# F8 moves the window to the top left corner with the next size.
xdotool key F8
sleep 0.5
geometry=$(xdotool getwindowgeometry "$window")
echo "smoke: after F8: $(echo "$geometry" | tr '\n' ' ')"
echo "$geometry" | grep -q 'Position: 0,0' || fail "F8 did not move the window to (0, 0)"
echo "$geometry" | grep -q 'Geometry: 973x768' || fail "F8 did not give the window 973 x 768"
shot "resized"
close_to_golden resized scaled 0.06

xdotool windowfocus --sync "$window" 2>/dev/null || true
for key in Left Up Right Down Up; do
  xdotool key --delay 120 "$key"
  sleep 0.3
done
shot "walked"
kill -0 "$game_pid" 2>/dev/null || fail "the game ended while walking"

walked_colours=$(colours walked)
echo "smoke: map $(brightness map)% bright, $(colours map) colours; after walking $walked_colours colours"
# The map view with its pictures, the status panel and their texts: thousands of colours, where
# a blank screen or a bare grey one with text has a few hundred.
[ "$walked_colours" -ge "${SMOKE_MIN_COLOURS:-2000}" ] || fail "the game window looks blank"

# Alt+"/" opens the About box, a window of its own; its OK button, Return, closes it.
xdotool key alt+slash
answer_box "关于 Quenlit" "after Alt+/"
xdotool windowfocus --sync "$window" 2>/dev/null || true


close_game "on the map"
echo "smoke: passed"

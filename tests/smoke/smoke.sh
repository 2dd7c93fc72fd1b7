#!/usr/bin/env bash
# The game as a player meets it, started from its game folder on a virtual X display:
#  - without a sound device it says so in a box and runs silent;
#  - closed during loading, or later on the map, it ends with exit code 0;
#  - its window starts centred as if it were 800 x 600, shows the loading screen, then the
#    map, and takes arrow keys;
#  - Alt+"/" opens the About box, and F8 moves the window to (0, 0) with the next size.
# Screenshots are left in OUT_DIR.
#
# The map it shows matches the golden picture that quenlit-sim's shot draws of the same new
# game, at the first size and at each size of F8, with the scene fitted to the window as the
# shipped config.ini asks (tests/golden/pictures/fit_map_*.png), without its comfort options.
#
#   smoke.sh QUENLIT CLOSE_WINDOW_TOOL OUT_DIR GOLDEN_PICTURES_DIR
set -euo pipefail
game=$1 closer=$2 out=$3 goldens=$4
mkdir -p "$out"
rm -f "$out"/*.png

source "$(dirname "$0")/xvfb_game.sh"
# Tall enough for the largest size of F8, 1700 x 1331.
start_xvfb 1920x1440

# The window as designed: a copy of the game folder whose config.ini is the shipped one
# without its [Comfort] section, the last one (FitWindow places and sizes the window
# otherwise; fit_window.sh plays that).
folder="$out/game"
rm -rf "$folder"
cp -r "$(dirname "$game")" "$folder"
sed -i '/^\[Comfort\]/,$d' "$folder/config.ini"
grep -q '^Scale=fit' "$folder/config.ini" || fail "the shipped config.ini does not fit the scene"
game="$folder/$(basename "$game")"
cd "$folder"

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
# Centred as if it were 800 x 600: on a 1920 x 1440 desktop the 1366 x 768 window is at
# (560, 420).
geometry=$(xdotool getwindowgeometry "$window")
echo "$geometry" | grep -q 'Position: 560,420' || fail "the window is not placed at (560, 420): $geometry"
echo "$geometry" | grep -q 'Geometry: 1366x768' || fail "the window is not 1366 x 768: $geometry"
colours() { identify -format '%k' "$out/$1.png"; }

await_map

# How far a screenshot is from a golden picture, as a root-mean-square difference of 0 to 1,
# compared with the same part of the golden (the screen's edge may cut the window off). The
# limit leaves room for monsters showing their other blink picture.
difference() {
  local size
  size=$(identify -format '%wx%h' "$out/$1.png")
  cp "$out/$1.png" "$out/$1-compared.png"
  convert "$2" -crop "$size+0+0" +repage "$out/golden-compared.png"
  # compare exits 1 when the pictures differ at all; the figure is what counts.
  { compare -metric RMSE "$out/$1-compared.png" "$out/golden-compared.png" null: 2>&1 || true; } |
    sed -E 's/.*\(([0-9.e-]+)\).*/\1/'
}
# The limits sit well below what another screen gives (the loading screen differs by 0.39).
close_to_golden() {
  local d
  d=$(difference "$1" "$2")
  echo "smoke: $1 differs from $(basename "$2") by $d (at most $3)"
  awk -v d="$d" -v limit="$3" 'BEGIN { exit !(d <= limit) }' ||
    fail "the $1 screenshot differs from $(basename "$2") by $d, more than $3"
}
# Shoots the window as NAME until it is close to the golden picture, for up to 10 s: a slow
# machine (or a sanitizer build) may not have drawn the new size yet when the first shot comes.
await_golden() {
  for _ in $(seq 40); do
    shot "$1"
    awk -v d="$(difference "$1" "$2")" -v limit="$3" 'BEGIN { exit !(d <= limit) }' && break
    sleep 0.25
  done
  close_to_golden "$@"
}
close_to_golden map "$goldens/fit_map_1366x768.png" 0.04

# F8 moves the window to the top left corner with the next size; the scene keeps its shape,
# centred between dark margins (the top-left pixel is one of them at every size).
for size in 973x768 1242x980 1366x1078 1700x1331 735x580; do
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  xdotool key F8
  sleep 0.5
  geometry=$(xdotool getwindowgeometry "$window")
  echo "smoke: after F8: $(echo "$geometry" | tr '\n' ' ')"
  echo "$geometry" | grep -q 'Position: 0,0' || fail "F8 did not move the window to (0, 0)"
  echo "$geometry" | grep -q "Geometry: $size" || fail "F8 did not give the window $size"
  await_golden "resized-$size" "$goldens/fit_map_$size.png" 0.04
  margin=$(convert "$out/resized-$size.png" -format '%[hex:p{0,0}]' info:)
  [ "${margin:0:6}" = 100E18 ] || fail "the margin at $size is #${margin:0:6}, not the dark #100E18"
done

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

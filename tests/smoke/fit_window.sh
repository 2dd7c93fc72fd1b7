# With [Comfort] FitWindow, on a 1366 x 768 display: the window opens centred, and no press of
# F8 makes it larger than the screen.
#
#   fit_window.sh GAME CLOSER OUT
set -eu
game=$1 closer=$2 out=$3
rm -rf "$out" && mkdir -p "$out"
. "$(dirname "$0")/xvfb_game.sh"

# The built game folder with the shipped config.ini, which turns FitWindow on.
folder="$out/game"
cp -r "$(dirname "$game")" "$folder"
grep -q '^FitWindow=1' "$folder/config.ini" || fail "the shipped config.ini does not turn FitWindow on"
rm -rf "$folder/sav"
# A window smaller than the screen, so that centring shows (the designed place would be
# (283, 84) whatever the size).
sed -i 's/^Width=.*/Width=1000/; s/^Height=.*/Height=600/' "$folder/config.ini"

start_xvfb 1366x768
start_game --root "$folder"
await_map

# Where the window's inside lies and how large, from xwininfo.
geometry() {
  xwininfo -id "$window" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
    /^ *Width/ { w = $NF } /^ *Height/ { h = $NF } END { print x, y, w, h }'
}
read -r x y w h <<<"$(geometry)"
echo "opened at ($x, $y), $w x $h"
[ $((x + x + w)) -ge 1365 ] && [ $((x + x + w)) -le 1367 ] || fail "not centred across: x $x, width $w"
[ $((y + y + h)) -ge 767 ] && [ $((y + y + h)) -le 769 ] || fail "not centred down: y $y, height $h"

[ "$w" -eq 1000 ] && [ "$h" -eq 600 ] || fail "opened at $w x $h, not the configured 1000 x 600"

for press in 1 2 3 4 5 6 7; do
  press F8
  sleep 0.5
  read -r x y w h <<<"$(geometry)"
  echo "F8 $press: ($x, $y), $w x $h"
  [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le 1366 ] && [ $((y + h)) -le 768 ] ||
    fail "F8 press $press leaves the screen: ($x, $y), $w x $h"
done
close_game "after the F8 presses"

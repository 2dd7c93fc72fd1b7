#!/usr/bin/env bash
# The installed game as a player meets it, on a virtual X display:
#  - started from the home folder, it finds its game folder from where the program lies;
#  - it reads the player's own config.ini (a window of another size than the shipped one);
#  - S saves into the player's data folder, and a walk changes that save;
#  - started again, A loads the save (saving at once then writes the same bytes);
#  - the game folder is never written.
#
#   play_installed.sh QUENLIT GAME_FOLDER CLOSE_WINDOW_TOOL OUT_DIR
#
# The player's folders are the environment's: HOME, and XDG_DATA_HOME and XDG_CONFIG_HOME
# when set.
set -euo pipefail
mkdir -p "$4"
# Absolute paths: the game is started from the home folder.
game=$(realpath "$1") folder=$(realpath "$2") closer=$(realpath "$3") out=$(realpath "$4")
rm -f "$out"/*.png "$out"/*.sav
source "$(dirname "$0")/../smoke/xvfb_game.sh"

config=${XDG_CONFIG_HOME:-$HOME/.config}/quenlit
save=${XDG_DATA_HOME:-$HOME/.local/share}/quenlit/sav/1.sav
[ ! -e "$save" ] || fail "a save is there before the game ever ran: $save"

listing() { find "$folder" -printf '%p %s %T@\n' | sort; }
listing >"$out/folder-before.txt"

mkdir -p "$config"
printf '[Resolution14]\nWidth=1000\nHeight=700\n' >"$config/config.ini"

start_xvfb
cd "$HOME"

start_game
geometry=$(xdotool getwindowgeometry "$window")
echo "$geometry" | grep -q 'Geometry: 1000x700' ||
  fail "the player's config.ini was not read: $geometry"
await_map

saved() {
  sleep 0.3
  [ -f "$save" ] || fail "S wrote no save at $save"
  [ "$(stat -c %s "$save")" -eq 4312 ] || fail "the save is not 4312 bytes"
  cp "$save" "$out/$1.sav"
}
press s Return
saved new-game
press Up Up s Return
saved walked
cmp -s "$out/new-game.sav" "$out/walked.sav" && fail "walking two steps did not change the save"
close_game "after saving"

start_game
await_map
press a Return s Return
saved loaded
cmp -s "$out/walked.sav" "$out/loaded.sav" || fail "the second start did not load the save"
close_game "after loading"

listing >"$out/folder-after.txt"
diff "$out/folder-before.txt" "$out/folder-after.txt" >&2 || fail "the game folder was written"
echo "$(basename "$0"): passed; the save is $save"

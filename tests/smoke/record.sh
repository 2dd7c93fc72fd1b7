#!/usr/bin/env bash
# A session played in the real window on a virtual X display and recorded with --record: it
# walks, opens and closes the manual, pauses, fights a red slime and collects the reward, and
# holds an arrow down so that it repeats. quenlit-sim replays the recording and ends in the
# state the window ended in; so does --replay in the window.
#
# The times between keys are recorded as they happened, so nothing here depends on how fast
# the machine is, except that the fight must be over before the last Return (11 s after it
# started, for a fight of 4 s).
#
#   record.sh QUENLIT QUENLIT_SIM SAME_STATE_TOOL CLOSE_WINDOW_TOOL OUT_DIR
set -euo pipefail
mkdir -p "$5"
game=$(realpath "$1") sim=$(realpath "$2") same=$(realpath "$3") closer=$(realpath "$4")
out=$(realpath "$5")
rm -f "$out"/*.sim "$out"/*.txt "$out"/*.png
source "$(dirname "$0")/xvfb_game.sh"
start_xvfb

# Started from the output folder: the recording's name is the player's, relative to where
# they started the game, although the game works in its own folder.
cd "$out"
start_game --record session.sim
await_map

# From the entrance, two steps up, the manual opened and closed, a pause and back.
press Up Up d Return p p
# Round the thief to the red slime, and the fight.
press Left Up Up Up Right Right Up
# Return does nothing in a fight or on the map: while a slow machine still fights, a later
# one collects the reward.
for _ in 1 2 3; do
  sleep 3
  press Return
done
# Left held: the hero walks on with the key's repeats until the wall stops him.
xdotool keydown Left
sleep 1.2
xdotool keyup Left
sleep 0.3
close_game "after the session"

[ -s session.sim ] || fail "no recording in $out/session.sim"
grep -q '^seed [0-9]' session.sim || fail "the recording does not start with its seed"
[ "$(grep -c '^down Left' session.sim)" -ge 5 ] || fail "the held key's repeats were not recorded"
"$sim" --root "$(dirname "$game")" <session.sim >replayed.txt 2>sim-stderr.txt ||
  fail "quenlit-sim could not replay the recording: $(cat sim-stderr.txt)"
"$same" session.sim replayed.txt || fail "quenlit-sim's replay ended elsewhere than the session"
grep -q '"screen":"Map"' replayed.txt || fail "the replay did not end on the map"
grep -q '"exp":2,' replayed.txt || fail "the slime's experience was not collected"
echo "record: quenlit-sim replayed the session to the state it ended in"

# The same recording replayed in the window, which says on stderr when it is over.
start_game --replay session.sim
for _ in $(seq 600); do
  grep -q "is over" "$out/stderr.txt" && break
  kill -0 "$game_pid" 2>/dev/null || fail "the game ended during the replay"
  sleep 0.1
done
grep -q "is over" "$out/stderr.txt" || fail "the replay in the window did not end within 60 s"
close_game "after the replay"
"$same" session.sim stdout.txt || fail "the replay in the window ended elsewhere than the session"
echo "record: the window replayed the session to the state it ended in"

# A recording that cannot be written stops with a message naming the file and its cause, and
# the game, played on, ends with a failure when closed.
start_game --record /dev/full
await_map
press Up
close_game "after a recording that could not be written" 1
grep -q "the recording /dev/full stopped, it cannot be written: No space left on device" \
  "$out/stderr.txt" || fail "the failed recording was not reported"
echo "record: a recording that cannot be written is reported and the game fails"
echo "record: passed"

# Helpers for driving the real game on a virtual X display, sourced by the Xvfb tests.
# The caller sets: game (the program), closer (the tool that closes a window as its close
# button does) and out (a folder for the game's output and the screenshots).

fail() {
  echo "$(basename "$0"): $*" >&2
  [ -s "$out/stderr.txt" ] && sed 's/^/  game: /' "$out/stderr.txt" >&2
  exit 1
}

# Starts Xvfb on a display number nobody uses (it tells it on the descriptor given) and sets
# DISPLAY; the display and any game still running end with the script.
# The screen is WIDTHxHEIGHT when given, else 1920x1080. Without -noreset the server resets
# each time its last client leaves, and refuses connections meanwhile: a game started just
# after an xdotool call could then find no display (1 start in 10 under load).
start_xvfb() {
  # A number left from an earlier run would be read before Xvfb empties the file.
  rm -f "$out/display.txt"
  Xvfb -displayfd 3 -screen 0 "${1:-1920x1080}x24" -nolisten tcp -noreset 3>"$out/display.txt" \
    >"$out/xvfb.txt" 2>&1 &
  xvfb=$!
  game_pid=""
  trap cleanup EXIT
  for _ in $(seq 100); do [ -s "$out/display.txt" ] && break; sleep 0.1; done
  [ -s "$out/display.txt" ] || fail "Xvfb did not start: $(cat "$out/xvfb.txt")"
  export DISPLAY=":$(head -n1 "$out/display.txt")" SDL_AUDIODRIVER=dummy
  # Another server going away on the same number can still hold it for a moment.
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
  fail "the X display $DISPLAY does not answer"
}

cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  wait 2>/dev/null || true
}

# Starts the game with the arguments given and sets $window to its window.
start_game() {
  "$game" "$@" >"$out/stdout.txt" 2>"$out/stderr.txt" &
  game_pid=$!
  await_window
}

await_window() {
  window=""
  for _ in $(seq 200); do
    window=$(xdotool search --onlyvisible --name '^Quenlit$' 2>/dev/null | head -n1 || true)
    [ -n "$window" ] && return 0
    kill -0 "$game_pid" 2>/dev/null || fail "the game ended before showing its window"
    sleep 0.1
  done
  fail "no window titled Quenlit"
}

# The id of the first window whose title is the text, or nothing.
titled() { xwininfo -root -tree | awk -v title="\"$1\"" 'index($0, title) { print $1; exit }'; }

# Presses Return in the message box with this title, once it shows.
answer_box() {
  local box=""
  for _ in $(seq 100); do
    box=$(titled "$1")
    [ -n "$box" ] && break
    sleep 0.1
  done
  [ -n "$box" ] || fail "no \"$1\" box $2"
  xdotool windowfocus --sync "$box" 2>/dev/null || true
  xdotool key Return
  for _ in $(seq 50); do
    [ -z "$(titled "$1")" ] && return 0
    sleep 0.1
  done
  fail "Return did not close the \"$1\" box"
}

# Closes the window as its close button does and expects the game to end with exit code 0, or
# with the code given after the description.
close_game() {
  "$closer" "$window"
  for _ in $(seq 100); do
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$game_pid" 2>/dev/null && fail "the game did not end when its window was closed $1"
  local status=0
  wait "$game_pid" || status=$?
  game_pid=""
  [ "$status" -eq "${2:-0}" ] || fail "the game ended with exit code $status when closed $1"
}

shot() { import -window "$window" "$out/$1.png"; }
# The mean brightness of a screenshot, 0 to 100.
brightness() { identify -format '%[fx:int(100*mean)]' "$out/$1.png"; }

# Waits until the map shows: the loading screen is black with its text, the map is not. An
# early look at the loading screen is kept as loading.png, and the map as map.png.
await_map() {
  for i in $(seq 120); do
    shot "frame"
    if [ "$(brightness frame)" -ge 15 ]; then
      sleep 0.5
      shot "map"
      return 0
    fi
    [ "$i" -eq 3 ] && cp "$out/frame.png" "$out/loading.png"
    kill -0 "$game_pid" 2>/dev/null || fail "the game ended during loading"
    sleep 0.25
  done
  fail "the map never showed (still the loading screen after 30 s)"
}

# Presses the keys one after the other in the game's window.
press() {
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  for key in "$@"; do
    xdotool key "$key"
    sleep 0.3
  done
}

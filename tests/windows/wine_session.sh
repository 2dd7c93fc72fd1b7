# Helpers for running the Windows build under Wine on a virtual X display, sourced by the
# Windows tests. The caller sets: out (a folder for the programs' output). Everything Wine
# writes (its prefix, the home folder it links into) lies in one temporary folder, removed
# at the end with the display and Wine's server.

fail() {
  echo "$(basename "$0"): $*" >&2
  exit 1
}

# Starts Xvfb and makes a Wine prefix in a fresh temporary folder ($session).
start_wine_session() {
  session=$(mktemp -d /tmp/quenlit-wine.XXXXXX)
  export WINEPREFIX="$session/prefix" HOME="$session/home" WINEDEBUG=-all \
    WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=" SDL_AUDIODRIVER=dummy
  mkdir -p "$HOME"
  Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp -noreset 3>"$session/display.txt" \
    >"$session/xvfb.txt" 2>&1 &
  xvfb=$!
  trap end_wine_session EXIT
  for _ in $(seq 100); do [ -s "$session/display.txt" ] && break; sleep 0.1; done
  [ -s "$session/display.txt" ] || fail "Xvfb did not start: $(cat "$session/xvfb.txt")"
  export DISPLAY=":$(head -n1 "$session/display.txt")"
  wineboot -i >"$session/wineboot.txt" 2>&1 || fail "no Wine prefix: $(tail -5 "$session/wineboot.txt")"
  wineserver -w
  # The Chinese sans that fills in missing glyphs, the same as on the Linux desktop, so that
  # the golden pictures are drawn alike.
  cp /usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc "$WINEPREFIX/drive_c/windows/Fonts/"
}

end_wine_session() {
  wineserver -k 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$session"
}

# The Windows name of a file of this machine: Wine shows its root as the drive Z:.
windows_path() { echo "Z:$(realpath "$1")"; }

# Waits until the file has at least N lines (dumps of a replay), at most SECONDS.
await_lines() {
  local file=$1 lines=$2 seconds=$3
  for _ in $(seq $((seconds * 20))); do
    [ -f "$file" ] && [ "$(grep -c . "$file")" -ge "$lines" ] && return 0
    sleep 0.05
  done
  return 1
}

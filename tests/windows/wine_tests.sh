#!/usr/bin/env bash
# The Windows build under Wine on a virtual X display, in one Wine prefix:
#  1. the unit, scenario and golden tests built for Windows, each program run whole, with the
#     tests they skip and why;
#  2. the portable copy: quenlit.exe --replay reaches the map, walks and saves the same bytes
#     as the desktop game does with the same keys, and exits 0 when its window gets WM_CLOSE;
#     its start to the map against the desktop game's, measured here and now;
#  3. the installer, silent (/S): the installed game starts, saves into the player's roaming
#     application-data folder and leaves its own folder unwritten; the uninstaller removes the
#     game and keeps the save.
#
#   wine_tests.sh WINDOWS_BUILD NATIVE_BUILD OUT_DIR
set -euo pipefail
windows=$(realpath "$1") native=$(realpath "$2") out=$(realpath -m "$3")
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine_session.sh"
rm -rf "$out"
mkdir -p "$out"
walk="$here/walk.sim"
start_wine_session

# --- 1. The test programs ---
failed=""
# Run in the game folder, as the game is: the tests that draw text without a folder of their
# own find the game's fonts there, Windows having no font service that knows them.
for program in unit_tests scenario_tests golden_tests; do
  started=$SECONDS
  (cd "$windows/game" &&
    wine "../tests/$program.exe" --gtest_output="json:$(windows_path "$out")\\$program.json") \
    >"$out/$program.txt" 2>&1 || failed+=" $program"
  python3 - "$out/$program.json" "$out/$program.txt" "$program" $((SECONDS - started)) <<'PY'
import json, re, sys
report = json.load(open(sys.argv[1], encoding="utf-8"))
cases = [case for suite in report["testsuites"] for case in suite["testsuite"]]
skipped = [case for case in cases if case.get("result") == "SKIPPED"]
failed = [case for case in cases if case.get("failures")]
# The report keeps no reason for a skip; the program's output has it on the line after
# "FILE:LINE: Skipped".
output = open(sys.argv[2], encoding="utf-8", errors="replace").read()
reasons = dict(re.findall(r"\[ RUN      \] (\S+)\n[^\n]*: Skipped\n([^\n]*)\n", output))
print(f"windows: {sys.argv[3]}: {len(cases) - len(skipped) - len(failed)} passed, "
      f"{len(failed)} failed, {len(skipped)} skipped, in {sys.argv[4]} s under Wine")
for case in skipped:
    name = f"{case['classname']}.{case['name']}"
    print(f"windows:   skipped {name}: {reasons.get(name, '(no reason)').strip() or '(no reason)'}")
for case in failed:
    print(f"windows:   FAILED {case['classname']}.{case['name']}")
PY
done
[ -z "$failed" ] || { tail -n 40 "$out"/*_tests.txt >&2; fail "failed under Wine:$failed"; }

# --- 2. The portable copy, and the desktop game beside it ---
# Plays the walk in the window: PROGRAM ARGUMENTS... with output into $out/NAME-*.txt; sets
# $to_map to the seconds from the start to the map, and $rc to the exit code after WM_CLOSE.
play_walk() {
  local name=$1 closer=$2
  shift 2
  local start
  start=$(date +%s.%N)
  "$@" >"$out/$name-stdout.txt" 2>"$out/$name-stderr.txt" &
  local game=$!
  await_lines "$out/$name-stdout.txt" 1 90 || fail "$name: the map never showed"
  to_map=$(awk -v start="$start" -v now="$(date +%s.%N)" 'BEGIN { print now - start }')
  await_lines "$out/$name-stdout.txt" 2 30 || fail "$name: the walk did not end"
  $closer || fail "$name: its window could not be closed"
  rc=0
  wait "$game" || rc=$?
}
close_wine() { wine "$windows/tests/quenlit-close-window.exe"; }
close_desktop() { "$native/tests/smoke/quenlit-close-window" "$(xdotool search --name '^Quenlit$' | head -n1)"; }

portable="$session/portable/Quenlit"
mkdir -p "$(dirname "$portable")"
cp -r "$windows/package/Quenlit" "$portable"
play_walk wine close_wine wine "$portable/quenlit.exe" --replay "$(windows_path "$walk")"
[ "$rc" -eq 0 ] || fail "quenlit.exe ended with $rc after WM_CLOSE"
wine_to_map=$to_map
[ -f "$portable/sav/1.sav" ] || fail "the portable copy kept no save in its own sav/"

desktop="$session/desktop"
mkdir -p "$desktop"
for part in data Images wav Fonts config.ini; do ln -s "$native/game/$part" "$desktop/$part"; done
play_walk desktop close_desktop "$native/game/quenlit" --root "$desktop" --replay "$walk"
desktop_to_map=$to_map
cmp "$portable/sav/1.sav" "$desktop/sav/1.sav" || fail "the Windows save differs from the desktop's"
# The last state each game printed; the game clock and the prompt's pulse run on until the
# window is closed, so they are left out.
last_state() {
  tail -n1 "$1" | python3 -c 'import json, sys
state = json.load(sys.stdin)
for moving in ("clock", "fadeLevel", "fadeRising"):
    state.pop(moving, None)
print(json.dumps(state, sort_keys=True, ensure_ascii=False))'
}
diff <(last_state "$out/wine-stdout.txt") <(last_state "$out/desktop-stdout.txt") >&2 ||
  fail "the Windows game ended in another state than the desktop's"
echo "windows: quenlit.exe reached the map, walked, saved the desktop's bytes, closed with 0"
awk -v wine="$wine_to_map" -v desktop="$desktop_to_map" 'BEGIN {
  printf "windows: start to the map: %.2f s under Wine, %.2f s on the desktop (%.2f x)\n",
    wine, desktop, wine / desktop }'

# --- 3. The installer ---
installer=$(ls "$windows"/Quenlit-*-win64-setup.exe)
wine "$installer" /S
wineserver -w
installed="$WINEPREFIX/drive_c/Program Files/Quenlit"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Quenlit.lnk"
[ -f "$installed/quenlit.exe" ] || fail "nothing installed in Program Files"
[ -f "$installed/Uninstall.exe" ] || fail "no uninstaller"
[ -f "$menu" ] || fail "no Start-menu entry"
listing() { (cd "$installed" && find . -printf '%p %s %T@\n' | sort); }
listing >"$out/installed-before.txt"
play_walk installed close_wine wine "$installed/quenlit.exe" --replay "$(windows_path "$walk")"
[ "$rc" -eq 0 ] || fail "the installed game ended with $rc after WM_CLOSE"
listing >"$out/installed-after.txt"
diff "$out/installed-before.txt" "$out/installed-after.txt" >&2 ||
  fail "the installed game wrote into its own folder"
save=$(find "$WINEPREFIX/drive_c/users" -path '*/AppData/Roaming/Quenlit/sav/1.sav' | head -n1)
[ -n "$save" ] || fail "the installed game kept no save in the roaming application-data folder"
cmp "$save" "$portable/sav/1.sav" || fail "the installed game saved other bytes"
wine "$installed/Uninstall.exe" /S
wineserver -w
[ ! -e "$installed" ] || fail "the uninstaller left $(ls "$installed")"
[ ! -e "$menu" ] || fail "the uninstaller left the Start-menu entry"
[ -f "$save" ] || fail "the uninstaller removed the player's save"
echo "windows: installed silently, saved in AppData\\Roaming\\Quenlit, uninstalled keeping the save"

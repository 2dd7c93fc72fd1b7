#!/usr/bin/env bash
# Checks an installed game under PREFIX: the program, the game folder with its fonts, the
# desktop entry and the AppStream metadata (with their validators), the icons and the manual
# page.
#
#   check_installed.sh PREFIX
set -euo pipefail
prefix=$1
fail() {
  echo "check_installed: $*" >&2
  exit 1
}

[ -x "$prefix/bin/quenlit" ] || fail "no program at $prefix/bin/quenlit"
"$prefix/bin/quenlit" --version | grep -q '^Quenlit [0-9]' || fail "quenlit --version says nothing"
for part in data/1.map data/monster.dat config.ini CREDITS Fonts/fonts.txt Images wav; do
  [ -e "$prefix/share/quenlit/$part" ] || fail "the game folder lacks $part"
done
# Every font the list names is there (the links reach Debian's files).
while IFS=$'\t' read -r _ file; do
  [ -s "$prefix/share/quenlit/Fonts/$file" ] || fail "the font $file is missing"
done <"$prefix/share/quenlit/Fonts/fonts.txt"

entries=("$prefix"/share/applications/*.desktop)
[ -f "${entries[0]}" ] || fail "no desktop entry"
desktop-file-validate "${entries[@]}"
grep -qx "Exec=$prefix/bin/quenlit" "${entries[@]}" || fail "the desktop entry does not start $prefix/bin/quenlit"
metadata=("$prefix"/share/metainfo/*.metainfo.xml)
[ -f "${metadata[0]}" ] || fail "no AppStream metadata"
appstreamcli validate --no-net "${metadata[@]}"

for size in 32 48 64 128 256; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/quenlit.png"
  [ "$(identify -format '%wx%h' "$icon")" = "${size}x${size}" ] || fail "no ${size} pixel icon"
done

page="$prefix/share/man/man6/quenlit.6"
[ -f "$page" ] || fail "no manual page"
warnings=$(groff -man -ww -z "$page" 2>&1)
[ -z "$warnings" ] || fail "the manual page has mistakes: $warnings"
echo "check_installed: $prefix passed"

#!/usr/bin/env bash
# The browser build's figures: its download, file by file, as a player's browser fetches it
# (gzip, as static hosts serve it) and as stored, against the goal of 8 MB gzipped; and the
# time from opening the page to the map against the desktop's start to the map, both measured
# here and now, against the goal of 1.2 times the desktop's.
#
#   scripts/web-figures.sh     after scripts/web.sh, with tests/web's npm package installed
set -euo pipefail
cd "$(dirname "$0")/.."
kib() { echo $(( ($1 + 1023) / 1024 )); }
total=0
total_gz=0
for file in quenlit.html quenlit.js quenlit.wasm quenlit.data quenlit-sw.js quenlit.webmanifest \
  quenlit-192.png quenlit-512.png; do
  size=$(stat -c %s "build-web/$file")
  gz=$(gzip -9 -c "build-web/$file" | wc -c)
  total=$((total + size))
  total_gz=$((total_gz + gz))
  printf 'web: %-19s %7s KiB, %7s KiB compressed\n' "$file" "$(kib "$size")" "$(kib "$gz")"
done
printf 'web: %-19s %7s KiB, %7s KiB compressed (%s bytes; goal 8,000,000)\n' "download" \
  "$(kib "$total")" "$(kib "$total_gz")" "$total_gz"
folder=$(du -sb build-web/page-game | cut -f1)
printf 'web: the game folder it carries: %s KiB (pictures %s, fonts %s, sounds %s)\n' \
  "$(kib "$folder")" "$(du -sk build-web/page-game/Images | cut -f1)" \
  "$(du -sk build-web/page-game/Fonts | cut -f1)" "$(du -sk build-web/page-game/wav | cut -f1)"

# The desktop's loading from start to the map (its loading benchmark decodes every picture as
# the desktop game does), then the page's, in the same run.
desktop=$(build/game/quenlit-bench-load --root build/game --runs 3 |
  sed -n 's/^ *start to Map: *\([0-9.]*\) ms.*/\1/p')
page=$(node tests/web/figures.mjs 3)
first=$(sed -n 's/^first //p' <<<"$page")
again=$(sed -n 's/^again //p' <<<"$page")
awk -v desktop="$desktop" -v first="$first" -v again="$again" 'BEGIN {
  printf "web: the desktop from start to the map (best of 3): %.2f s\n", desktop / 1000
  printf "web: the page from opening to the map (best of 3), first visit: %.2f s, %.2f x the desktop\n", first, first * 1000 / desktop
  printf "web: the page from opening to the map (best of 3), from its offline copy: %.2f s, %.2f x the desktop (goal 1.2)\n", again, again * 1000 / desktop
}'

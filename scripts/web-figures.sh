#!/usr/bin/env bash
# The browser build's download against the game folder it carries, as a player's browser
# would fetch it (gzip, as static hosts serve it) and as stored.
set -euo pipefail
cd "$(dirname "$0")/.."
kib() { echo $(( ($1 + 1023) / 1024 )); }
total=0
total_gz=0
for file in quenlit.html quenlit.js quenlit.wasm quenlit.data; do
  size=$(stat -c %s "build-web/$file")
  gz=$(gzip -9 -c "build-web/$file" | wc -c)
  total=$((total + size))
  total_gz=$((total_gz + gz))
  printf 'web: %-13s %7s KiB, %7s KiB compressed\n' "$file" "$(kib "$size")" "$(kib "$gz")"
done
printf 'web: %-13s %7s KiB, %7s KiB compressed\n' "download" "$(kib "$total")" "$(kib "$total_gz")"
folder=$(du -sb build-web/page-game | cut -f1)
printf 'web: the game folder it carries: %s KiB (pictures %s, fonts %s, sounds %s)\n' \
  "$(kib "$folder")" "$(du -sk build-web/page-game/Images | cut -f1)" \
  "$(du -sk build-web/page-game/Fonts | cut -f1)" "$(du -sk build-web/page-game/wav | cut -f1)"

# The desktop's loading from start to the map for comparison with the page's time to the map
# (which the browser test prints): the loading benchmark decodes every picture as the
# desktop game does.
build/game/quenlit-bench-load --root build/game --runs 3 | sed -n 's/^ *start to Map: */web: the desktop from start to the map (best of 3): /p'

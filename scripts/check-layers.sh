#!/usr/bin/env bash
# Checks the layers at link level: no library of a layer may use a function or object that a
# layer it does not build on defines. The includes can be clean while a call still runs
# upward (a method declared low and defined high), and only the libraries show that.
#   scripts/check-layers.sh [BUILD_DIR]     (default: build)
set -euo pipefail
build="${1:-build}"

# Each layer and the layers it builds on, directly or not (the BELOW lists of CMakeLists.txt).
declare -A below=(
  [platform]=""
  [headless]="platform"
  [platform_sdl]="platform"
  [data]="platform"
  [gfx]="data platform"
  [sound]="data platform"
  [game]="data gfx sound platform"
  [ui]="game data gfx sound platform"
  [catalogue]="game data gfx sound platform"
  [app]="ui catalogue game data gfx sound platform"
  [display]="app ui catalogue game data gfx sound platform platform_sdl"
)

library() { find "$build" -name "libquenlit_$1.a" -not -path '*/CMakeFiles/*' | head -n1; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
for layer in "${!below[@]}"; do
  lib="$(library "$layer")"
  [ -n "$lib" ] || { echo "check-layers: no library for the layer $layer in $build" >&2; exit 2; }
  # Strong definitions only: inline functions and templates are defined weakly in every user.
  nm --defined-only "$lib" 2>/dev/null | awk 'NF == 3 && $2 ~ /^[TDBR]$/ {print $3}' |
    sort -u >"$work/$layer.defined"
  nm --undefined-only "$lib" 2>/dev/null | awk '{print $NF}' | sort -u >"$work/$layer.used"
done

failed=0
for layer in "${!below[@]}"; do
  for other in "${!below[@]}"; do
    [ "$other" = "$layer" ] && continue
    case " ${below[$layer]} " in *" $other "*) continue ;; esac
    upward="$(comm -12 "$work/$layer.used" "$work/$other.defined")"
    if [ -n "$upward" ]; then
      failed=1
      echo "check-layers: $layer uses what $other defines, but does not build on it:" >&2
      echo "$upward" | c++filt | sed 's/^/  /' | head -n 20 >&2
    fi
  done
done
[ "$failed" -eq 0 ] && echo "check-layers: ${#below[@]} layers, no call runs upward or sideways"
exit "$failed"

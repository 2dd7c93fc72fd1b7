#!/usr/bin/env bash
# Installs the built game to a temporary prefix (the tools only when asked), checks the
# installed files, and plays the installed program from another folder with the player's
# folders in the temporary folder too.
#
#   install_test.sh BUILD_DIR CLOSE_WINDOW_TOOL OUT_DIR
set -euo pipefail
build=$1 closer=$2 out=$3
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install "$build" --prefix "$work/prefix" >"$work/install.txt"
[ ! -e "$work/prefix/bin/quenlit-sim" ] || { echo "the tools were installed unasked" >&2; exit 1; }
cmake --install "$build" --prefix "$work/tools" --component tools >/dev/null
for tool in quenlit-sim quenlit-tower quenlit-seal; do
  [ -x "$work/tools/bin/$tool" ] || { echo "--component tools did not install $tool" >&2; exit 1; }
done

bash "$here/check_installed.sh" "$work/prefix"
mkdir -p "$work/home"
HOME="$work/home" XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" \
  bash "$here/play_installed.sh" "$work/prefix/bin/quenlit" "$work/prefix/share/quenlit" \
  "$closer" "$out"
[ -s "$work/data/quenlit/sav/1.sav" ] || { echo "no save in \$XDG_DATA_HOME/quenlit/sav" >&2; exit 1; }

#!/usr/bin/env bash
# CI: builds the Debian package from the built tree, installs it on this machine, validates its
# desktop entry and metadata, and plays the installed game under Xvfb from a fresh home folder:
# walk, save, close, start again, load. Removes the package afterwards.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

rm -f build/quenlit_*.deb
(cd build && cpack -G DEB)
deb=$(ls build/quenlit_*.deb)
dpkg-deb --info "$deb" | sed -n '/Depends/p'
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "./$deb"
trap 'DEBIAN_FRONTEND=noninteractive $sudo apt-get purge -y -qq quenlit >/dev/null' EXIT

bash tests/install/check_installed.sh /usr
home=$(mktemp -d)
env -u XDG_DATA_HOME -u XDG_CONFIG_HOME HOME="$home" \
  bash tests/install/play_installed.sh /usr/bin/quenlit /usr/share/quenlit \
  build/tests/smoke/quenlit-close-window build/package-play-out
[ -s "$home/.local/share/quenlit/sav/1.sav" ] || { echo "no save in ~/.local/share" >&2; exit 1; }
rm -rf "$home"
echo "ci-package: passed"

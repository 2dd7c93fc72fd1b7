#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Quenlit need.
# Quick when everything is already present: only missing packages are fetched.
# Extra package names given as arguments are installed too (a CI stage's own needs).
set -euo pipefail

packages=(
  build-essential cmake pkg-config git
  libsdl2-dev libsdl2-image-dev libsdl2-ttf-dev libfontconfig-dev libpng-dev libcairo2-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  angband-data
  fonts-wqy-microhei fonts-arphic-gbsn00lp fonts-arphic-gkai00mp
  fonts-lxgw-wenkai fonts-smiley-sans fonts-dancingscript fonts-noto-cjk
  python3-fonttools
  xvfb xdotool x11-apps imagemagick xauth
  desktop-file-utils appstream groff-base dpkg-dev
  xfonts-base x11-utils
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}" >&2
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Need root or sudo to install: ${missing[*]}" >&2; exit 1; }
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"

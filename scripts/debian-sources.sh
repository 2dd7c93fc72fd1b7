#!/usr/bin/env bash
# Installs the Debian packages a cross build needs and makes sure that apt-get can fetch
# Debian's source packages (a deb-src entry for the suites the machine already uses), for the
# scripts that build libraries from those sources.
#
#   scripts/debian-sources.sh NAME PACKAGE...     NAME says whose needs these are, in messages
set -euo pipefail
name=$1
shift

as_root() {
  if [ "$(id -u)" -eq 0 ]; then
    "$@"
  elif command -v sudo >/dev/null; then
    sudo "$@"
  else
    echo "$name: need root or sudo for: $*" >&2
    exit 1
  fi
}

missing=()
for p in dpkg-dev "$@"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
sources_file=/etc/apt/sources.list.d/quenlit-deb-src.sources
need_update=""
if ! grep -rqs '^Types:.*deb-src\|^deb-src' /etc/apt/sources.list /etc/apt/sources.list.d/; then
  [ -f /etc/apt/sources.list.d/debian.sources ] ||
    { echo "$name: no /etc/apt/sources.list.d/debian.sources to copy the suites from" >&2; exit 1; }
  sed 's/^Types: *deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
    as_root tee "$sources_file" >/dev/null
  need_update=yes
fi
if [ ${#missing[@]} -gt 0 ] || [ -n "$need_update" ]; then
  export DEBIAN_FRONTEND=noninteractive
  as_root apt-get update -qq
  [ ${#missing[@]} -eq 0 ] ||
    as_root apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

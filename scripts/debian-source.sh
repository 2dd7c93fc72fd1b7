# Sourced by the library scripts: fetch_source PACKAGE SOURCE_DIR WORK_DIR downloads Debian's
# source of PACKAGE into SOURCE_DIR (kept between builds) and unpacks it into WORK_DIR/PACKAGE.
# When the newest version (a security update, say) has no tarball on the mirror, an older one
# of the same suites does.
fetch_source() {
  local package=$1 src=$2 work=$3 version versions
  versions=$(apt-cache showsrc "$package" | sed -n 's/^Version: //p' | sort -u -r -V)
  [ -n "$versions" ] || { echo "no source of $package (deb-src missing?)" >&2; exit 1; }
  for version in $versions; do
    if (cd "$src" && apt-get source -qq --download-only "$package=$version" >/dev/null 2>&1); then
      dpkg-source -q -x "$src/${package}_${version#*:}.dsc" "$work/$package" >/dev/null
      return 0
    fi
  done
  echo "could not download the source of $package" >&2
  exit 1
}

#!/usr/bin/env bash
# Recompresses the PNG pictures of a folder in place, losslessly, with Debian's optipng: the
# same pixels in smaller files, for the browser page's download.
#   scripts/web-pictures.sh FOLDER
set -euo pipefail
find "$1" -name '*.png' -print0 | xargs -0 -r -P "$(nproc)" -n 16 optipng -quiet -o2

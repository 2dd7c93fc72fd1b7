#!/usr/bin/env bash
# Makes the PNG pictures of a folder smaller for the browser page's download, in place.
#   scripts/web-pictures.sh FOLDER
#
# The frames of the effects and of the opening and ending, 512 x 512 pixels and larger, are
# painted art and most of the download: Debian's pngquant turns each into a palette picture,
# only where it keeps a quality of at least 80 of 100 (otherwise the picture stays as it is).
# Every other picture keeps its exact pixels: the pixel art, the panels, and the backdrop of
# the scene's own size that every screen shows, so that the page's map is the desktop's.
# Then optipng recompresses every picture losslessly.
set -euo pipefail
folder=$1

# Each painted frame's path, NUL-terminated: a PNG's width and height are bytes 16 to 23.
painted_frames() {
  python3 - "$folder" <<'PY'
import os, struct, sys
for root, _, names in os.walk(sys.argv[1]):
    for name in sorted(names):
        path = os.path.join(root, name)
        with open(path, 'rb') as png:
            head = png.read(24)
        if name.endswith('.png') and len(head) == 24:
            width, height = struct.unpack('>II', head[16:24])
            if min(width, height) >= 512 and (width, height) != (981, 621):
                sys.stdout.write(path + '\0')
PY
}

# pngquant says 98 when the palette picture would be larger and 99 when it would fall under
# the quality: the picture then stays as it is.
painted_frames | xargs -0 -r -P "$(nproc)" -n 8 sh -c '
  pngquant --quality=80-100 --speed 3 --skip-if-larger --force --ext .png -- "$@"
  status=$?
  [ "$status" -eq 0 ] || [ "$status" -eq 98 ] || [ "$status" -eq 99 ]' quantize
find "$folder" -name '*.png' -print0 | xargs -0 -r -P "$(nproc)" -n 16 optipng -quiet -o2

#pragma once

#include "platform/canvas.h"

namespace quenlit::platform {

// The game's scene drawn whole at the largest uniform scale that fits the output, centred; the
// rest of the output is the margin.
struct SceneFit {
  float width = 0;  // the scene, in drawing units
  float height = 0;
  uint32_t marginRgb = 0;
  // Pictures keep their pixels sharp: enlarged by whole pixels first, then linearly for the
  // fraction, instead of linearly all the way.
  bool crisp = false;
};

// Where drawing units land in output pixels: pixel = unit * scale + offset.
struct Placement {
  float scale = 1;
  float x = 0;
  float y = 0;

  // The rectangle in pixels. Each edge is rounded on its own, so pictures that touch in drawing
  // units touch in pixels too, with neither a gap nor an overlap between them.
  RectF Map(const RectF& rect) const;
  bool operator==(const Placement&) const = default;
};

Placement PlaceScene(const SceneFit& scene, int outputWidth, int outputHeight);

}  // namespace quenlit::platform

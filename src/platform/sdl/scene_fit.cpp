#include "platform/sdl/scene_fit.h"

#include <algorithm>
#include <cmath>

namespace quenlit::platform {

RectF Placement::Map(const RectF& rect) const {
  const auto along = [this](float unit, float offset) { return std::round(unit * scale + offset); };
  return {along(rect.left, x), along(rect.top, y), along(rect.right, x), along(rect.bottom, y)};
}

Placement PlaceScene(const SceneFit& scene, int outputWidth, int outputHeight) {
  if (scene.width <= 0 || scene.height <= 0 || outputWidth <= 0 || outputHeight <= 0) return {};
  const float width = static_cast<float>(outputWidth), height = static_cast<float>(outputHeight);
  const float scale = std::min(width / scene.width, height / scene.height);
  // Whole-pixel offsets keep the scene's edges and its text on the pixel grid.
  return {scale, std::floor((width - scene.width * scale) / 2),
          std::floor((height - scene.height * scale) / 2)};
}

}  // namespace quenlit::platform

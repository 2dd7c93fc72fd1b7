#include "gfx/d2d_gif.h"

namespace quenlit {

bool CD2DGif::Advance(float now) {
  shown = -1;
  if (current < 0 || frames.empty()) return false;
  // The very first step only stamps the time.
  if (lastTime == 0) {
    lastTime = now;
    return false;
  }
  shown = current;
  if (now - lastTime >= 1.0f / (static_cast<float>(fps) * 1.0f)) {
    NextFrame();
    lastTime = now;
  }
  return true;
}

bool CD2DGif::Draw(platform::Canvas* canvas, float centreX, float centreY, float width,
                   float height, float opacity) const {
  if (shown < 0 || shown >= static_cast<int32_t>(frames.size())) return false;
  const GifFrame& frame = frames[shown];
  if (canvas && frame.bitmap) {
    const platform::RectF source{0, 0, static_cast<float>(frame.width),
                                 static_cast<float>(frame.height)};
    canvas->DrawBitmap(*frame.bitmap, Box(centreX, centreY, width, height), source, opacity);
  }
  return true;
}

void CD2DGif::NextFrame() {
  ++current;
  if (current > static_cast<int32_t>(frames.size()) - 1) current = loopMode == -1 ? 0 : -1;
}

}  // namespace quenlit

#include "gfx/d2d_gif.h"

namespace quenlit {

bool CD2DGif::Draw(platform::Canvas* canvas, float now, float centreX, float centreY, float width,
                   float height, float opacity) {
  if (current < 0 || frames.empty()) return false;
  // The very first draw only stamps the time.
  if (lastTime == 0) {
    lastTime = now;
    return false;
  }
  const GifFrame& frame = frames[current];
  if (canvas && frame.bitmap) {
    const platform::RectF destination = Box(centreX, centreY, width, height);
    const platform::RectF source{0, 0, static_cast<float>(frame.width),
                                 static_cast<float>(frame.height)};
    canvas->DrawBitmap(*frame.bitmap, destination, source, opacity);
  }
  if (now - lastTime >= 1.0f / (static_cast<float>(fps) * 1.0f)) {
    Advance();
    lastTime = now;
  }
  return true;
}

void CD2DGif::Advance() {
  ++current;
  if (current > static_cast<int32_t>(frames.size()) - 1) current = loopMode == -1 ? 0 : -1;
}

}  // namespace quenlit

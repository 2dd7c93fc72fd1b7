#pragma once

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "gfx/d2d_image.h"
#include "platform/canvas.h"

namespace quenlit {

struct GifFrame {
  std::shared_ptr<platform::Bitmap> bitmap;
  int32_t width = 0;  // the part of the bitmap to show, from its top-left corner
  int32_t height = 0;
};

// A named frame sequence played against the game clock. Drawing is what advances it: at most
// one frame per draw, once 1/fps seconds have passed since the last change.
class CD2DGif {
 public:
  std::vector<GifFrame> frames;
  std::pair<int32_t, int32_t> anchor{0, 0};  // carried for the user (door openings: row, column)
  int32_t fps = 23;
  float lastTime = 0;    // clock of the last frame change; 0 = never drawn
  int32_t loopMode = 0;  // -1 loops forever; anything else plays once
  int32_t current = -1;  // frame on show; -1 = stopped

  CD2DGif() = default;
  explicit CD2DGif(int32_t framesPerSecond) : fps(framesPerSecond) {}

  void AddFrame(const CD2DImage& image, int32_t width, int32_t height) {
    frames.push_back({image.bitmap, width, height});
  }
  bool Start() {
    current = 0;
    return true;
  }
  bool Stop() {
    current = -1;
    return true;
  }
  bool IsRunning() const { return current >= 0; }
  void SetFps(int32_t value) { fps = value; }
  void SetLoop(int32_t mode) { loopMode = mode; }
  void SetAnchor(int32_t a, int32_t b) { anchor = {a, b}; }
  std::pair<int32_t, int32_t> GetAnchor() const { return anchor; }
  size_t FrameCount() const { return frames.size(); }

  // Shows the current frame centred on (centreX, centreY) in a width x height box, then
  // advances by the clock. False when nothing was drawn.
  bool Draw(platform::Canvas* canvas, float now, float centreX, float centreY, float width,
            float height, float opacity);
  // The box a frame is drawn into: width x height centred on (centreX, centreY).
  static platform::RectF Box(float centreX, float centreY, float width, float height) {
    return {centreX - width / 2, centreY - height / 2, centreX + width / 2, centreY + height / 2};
  }

 private:
  void Advance();
};

// Every frame sequence by name.
struct SequenceRegistry : Registry<CD2DGif> {
  SequenceRegistry() : Registry("sequence") {}
};

}  // namespace quenlit

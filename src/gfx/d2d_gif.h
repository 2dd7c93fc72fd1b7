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

// A named frame sequence played against the game clock. It moves on only on the display frames
// that show it: each such frame first advances it, which picks the frame to show and then moves
// on by at most one frame once 1/fps seconds have passed since the last change, and then
// paints the picked frame.
class CD2DGif {
 public:
  std::vector<GifFrame> frames;
  std::pair<int32_t, int32_t> anchor{0, 0};  // carried for the user (door openings: row, column)
  int32_t fps = 23;
  float lastTime = 0;    // clock of the last frame change; 0 = never shown
  int32_t loopMode = 0;  // -1 loops forever; anything else plays once
  int32_t current = -1;  // frame on show; -1 = stopped
  int32_t shown = -1;    // the frame the last advance picked for painting; -1 = none

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

  // One display frame's step at the clock now: picks the current frame for painting, then
  // moves on by the clock. False when there is nothing to show: stopped, without frames, or
  // never shown before, in which case the step only stamps the time.
  bool Advance(float now);
  // Paints the frame the last advance picked, centred on (centreX, centreY) in a width x
  // height box. False when there is none.
  bool Draw(platform::Canvas* canvas, float centreX, float centreY, float width, float height,
            float opacity) const;
  // The box a frame is drawn into: width x height centred on (centreX, centreY).
  static platform::RectF Box(float centreX, float centreY, float width, float height) {
    return {centreX - width / 2, centreY - height / 2, centreX + width / 2, centreY + height / 2};
  }

 private:
  void NextFrame();
};

// Every frame sequence by name.
struct SequenceRegistry : Registry<CD2DGif> {
  SequenceRegistry() : Registry("sequence") {}
};

}  // namespace quenlit

#pragma once

#include <cstdint>
#include <string>

#include "platform/canvas.h"

namespace quenlit {

class CD2DImage;

// Packs three colour components, each cut to 8 bits, as 0xRRGGBB.
constexpr uint32_t RGB(uint32_t r, uint32_t g, uint32_t b) {
  return ((r & 0xFF) << 16) | ((g & 0xFF) << 8) | (b & 0xFF);
}

// The game's one drawing object over the window's canvas: texts in the white or yellow
// palette brush or in any colour, rectangle outlines, pictures and a clear.
class CD2DGraphics {
 public:
  using InfoBox = void (*)(void* context, const std::string& text);

  // Binds the canvas; false (and nothing changed) when one is already bound.
  bool Initialize(platform::Canvas* canvas);
  platform::Canvas* GetRenderTarget() const { return canvas_; }
  // Output pixels per drawing unit in this frame; 1 without a canvas.
  float PixelsPerUnit() const { return canvas_ ? canvas_->PixelsPerUnit() : 1; }
  // Where text-format failures are reported (the "Info" message box).
  void SetInfoBox(InfoBox box, void* context) {
    infoBox_ = box;
    infoContext_ = context;
  }

  void BeginDraw();
  void EndDraw();
  void Clear(uint32_t rgb);
  bool DrawText(const std::string& fontFamily, float fontSize, float left, float top, float right,
                float bottom, const std::string& text, bool rightAlign, bool highlight,
                float opacity);
  bool DrawColorText(const std::string& fontFamily, float fontSize, float left, float top,
                     float right, float bottom, const std::string& text, uint32_t rgb, float alpha,
                     bool rightAlign);
  bool DrawRectangle(float left, float top, float right, float bottom, float strokeWidth);
  bool DrawImage(const CD2DImage& image, float x, float y, float width, float height, float opacity,
                 int srcX = 0, int srcY = 0, int srcWidth = 0, int srcHeight = 0);

  // The palette brushes keep the opacity of the last DrawText that used them.
  float WhiteOpacity() const { return whiteOpacity_; }
  float YellowOpacity() const { return yellowOpacity_; }

  static constexpr uint32_t kWhite = 0xFFFFFF;
  static constexpr uint32_t kYellow = 0xFFFF00;
  static constexpr uint32_t kAccent = 0x0099CC;  // red 0.0, green 0.6, blue 0.8

 private:
  platform::Canvas* canvas_ = nullptr;
  float whiteOpacity_ = 1.0f;
  float yellowOpacity_ = 1.0f;
  InfoBox infoBox_ = nullptr;
  void* infoContext_ = nullptr;
};

}  // namespace quenlit

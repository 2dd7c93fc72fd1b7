#pragma once

#include "platform/canvas.h"

namespace quenlit::platform {

// A canvas that draws nothing. Its bitmaps know only their size, read from the PNG header,
// which is all the game's rules ask of a picture.
class NullCanvas : public Canvas {
 public:
  NullCanvas(int width, int height) : width_(width), height_(height) {}
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  std::shared_ptr<Bitmap> LoadPng(const std::string& path) override;
  std::shared_ptr<Bitmap> DecodePng(const uint8_t* bytes, size_t size) override;
  void BeginDraw() override {}
  void EndDraw() override {}
  void Clear(uint32_t) override {}
  bool DrawText(const std::string&, float, const RectF&, const std::string&, Colour,
                bool) override {
    return true;
  }
  void DrawRectangle(const RectF&, float, Colour) override {}
  void DrawBitmap(const Bitmap&, const RectF&, const RectF&, float) override {}

 private:
  int width_;
  int height_;
};

}  // namespace quenlit::platform

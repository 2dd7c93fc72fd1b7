#pragma once

// A canvas that remembers every call, for tests of what reaches the screen. Each test picture
// carries a name, so a recorded draw says which picture it was.
#include <memory>
#include <string>
#include <vector>

#include "platform/canvas.h"

namespace quenlit::test {

class NamedBitmap : public platform::Bitmap {
 public:
  NamedBitmap(std::string name, int width, int height)
      : name(std::move(name)), width_(width), height_(height) {}
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  std::string name;

 private:
  int width_, height_;
};

struct DrawCall {
  enum class Kind { Clear, Text, Rectangle, Bitmap } kind;
  std::string what;  // the text, or the picture's name
  std::string family;
  float size = 0;  // font size or stroke width
  platform::RectF box;
  platform::RectF source;
  uint32_t rgb = 0;
  float alpha = 1;  // text alpha or picture opacity
  bool trailing = false;
};

class RecordingCanvas : public platform::Canvas {
 public:
  int Width() const override { return 981; }
  int Height() const override { return 621; }
  std::shared_ptr<platform::Bitmap> LoadPng(const std::string&) override { return nullptr; }
  std::shared_ptr<platform::Bitmap> DecodePng(const uint8_t*, size_t) override { return nullptr; }
  void BeginDraw() override { calls.clear(); }
  void EndDraw() override {}
  void Clear(uint32_t rgb) override {
    calls.push_back({DrawCall::Kind::Clear, "", "", 0, {}, {}, rgb});
  }
  bool DrawText(const std::string& family, float size, const platform::RectF& box,
                const std::string& text, platform::Colour colour, bool trailing) override {
    calls.push_back(
        {DrawCall::Kind::Text, text, family, size, box, {}, colour.rgb, colour.alpha, trailing});
    return textWorks;
  }
  void DrawRectangle(const platform::RectF& rect, float stroke, platform::Colour colour) override {
    calls.push_back({DrawCall::Kind::Rectangle, "", "", stroke, rect, {}, colour.rgb});
  }
  void DrawBitmap(const platform::Bitmap& bitmap, const platform::RectF& destination,
                  const platform::RectF& source, float opacity) override {
    const auto& named = dynamic_cast<const NamedBitmap&>(bitmap);
    calls.push_back({DrawCall::Kind::Bitmap, named.name, "", 0, destination, source, 0, opacity});
  }

  // The calls of one kind, in order.
  std::vector<DrawCall> Of(DrawCall::Kind kind) const {
    std::vector<DrawCall> found;
    for (const DrawCall& call : calls)
      if (call.kind == kind) found.push_back(call);
    return found;
  }

  std::vector<DrawCall> calls;
  bool textWorks = true;  // false: text drawing fails as with a missing font
};

}  // namespace quenlit::test

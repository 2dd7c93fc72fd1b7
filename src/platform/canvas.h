#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace quenlit::platform {

// A decoded picture, 32-bit with premultiplied alpha, owned by the canvas that made it.
class Bitmap {
 public:
  virtual ~Bitmap() = default;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
};

struct RectF {
  float left = 0;
  float top = 0;
  float right = 0;
  float bottom = 0;
  bool operator==(const RectF&) const = default;
};

// A colour 0xRRGGBB with a separate opacity 0..1.
struct Colour {
  uint32_t rgb = 0;
  float alpha = 1.0f;
  bool operator==(const Colour&) const = default;
};

// The drawing surface of the game window (or of an off-screen picture). Bitmaps may be
// decoded on any thread; every drawing call happens between BeginDraw and EndDraw on the
// thread that draws frames.
class Canvas {
 public:
  virtual ~Canvas() = default;

  // Size of the drawing surface in render-target units.
  virtual int Width() const = 0;
  virtual int Height() const = 0;

  // Decodes a PNG file or PNG bytes; nullptr when the file is missing or not a picture.
  virtual std::shared_ptr<Bitmap> LoadPng(const std::string& path) = 0;
  virtual std::shared_ptr<Bitmap> DecodePng(const uint8_t* bytes, size_t size) = 0;

  virtual void BeginDraw() = 0;
  virtual void EndDraw() = 0;
  virtual void Clear(uint32_t rgb) = 0;
  // How many output pixels a unit spans in this frame (1 at the drawing's own size): what
  // must stay legible at every window size grows when this is small.
  virtual float PixelsPerUnit() const { return 1; }

  // Draws text wrapped at the box width, from the box's top; trailing = right-aligned.
  // Returns false when no font of the family (or a fallback) can be had.
  virtual bool DrawText(const std::string& family, float size, const RectF& box,
                        const std::string& utf8, Colour colour, bool trailing) = 0;
  // An aliased rectangle outline.
  virtual void DrawRectangle(const RectF& rect, float strokeWidth, Colour colour) = 0;
  // Draws the source part of the bitmap scaled into the destination, linearly filtered.
  virtual void DrawBitmap(const Bitmap& bitmap, const RectF& destination, const RectF& source,
                          float opacity) = 0;
  // One way a bitmap is drawn: from the source part, into this place, at this opacity.
  struct Drawing {
    RectF source;
    RectF place;
    float opacity = 1;
  };
  // Says ahead every way the bitmap will be drawn, so that whatever such draws need is made
  // before the frame that shows them, also after the output changes size. May be called on
  // any thread.
  virtual void Prepare(const std::shared_ptr<Bitmap>& /*bitmap*/,
                       const std::vector<Drawing>& /*drawings*/) {}
};

}  // namespace quenlit::platform

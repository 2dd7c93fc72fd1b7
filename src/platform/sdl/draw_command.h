#pragma once

#include <cstdint>
#include <string>

#include "platform/canvas.h"

namespace quenlit::platform {

class SurfaceBitmap;

// One drawing call of a frame, kept as plain values. Two frames made of equal calls look the
// same, so the second need not be drawn nor shown again.
struct DrawCommand {
  enum class Kind : uint8_t { Clear, Text, Rectangle, Bitmap };
  Kind kind = Kind::Clear;
  RectF place;     // the text's box, the rectangle, or where the picture goes
  RectF source;    // the picture's part
  Colour colour;   // of the clear, the text or the outline; a picture's opacity is its alpha
  float size = 0;  // the font size or the stroke width
  bool trailing = false;
  const SurfaceBitmap* bitmap = nullptr;
  // Which picture that was: another picture made later at the same address differs here.
  uint64_t bitmapSerial = 0;
  std::string family;
  std::string text;

  bool operator==(const DrawCommand&) const = default;
};

}  // namespace quenlit::platform

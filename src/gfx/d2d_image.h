#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "base/registry.h"
#include "platform/canvas.h"

namespace quenlit {

// A decoded picture. Copies share the bitmap; an image that never loaded has none and draws
// nothing.
class CD2DImage {
 public:
  std::shared_ptr<platform::Bitmap> bitmap;

  // Decodes a PNG file. A missing or broken file leaves the image without a bitmap; the call
  // still succeeds so that loading goes on. False only without a canvas to decode with.
  bool LoadFromFile(platform::Canvas* canvas, const std::string& path);
  // Decodes a PNG embedded in the program.
  bool LoadFromResource(platform::Canvas* canvas, const uint8_t* bytes, size_t size);
};

// Every loaded picture by name.
struct ImageRegistry : Registry<CD2DImage> {
  ImageRegistry() : Registry("picture") {}
};

}  // namespace quenlit

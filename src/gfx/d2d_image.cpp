#include "gfx/d2d_image.h"

#include "data/paths.h"

namespace quenlit {

bool CD2DImage::LoadFromFile(platform::Canvas* canvas, const std::string& path) {
  if (!canvas) return false;
  bitmap = canvas->LoadPng(ResolveGamePath(path));
  return true;
}

bool CD2DImage::LoadFromResource(platform::Canvas* canvas, const uint8_t* bytes, size_t size) {
  if (!canvas) return false;
  bitmap = canvas->DecodePng(bytes, size);
  return true;
}

}  // namespace quenlit

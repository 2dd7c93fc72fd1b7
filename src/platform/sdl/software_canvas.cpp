#include "platform/sdl/software_canvas.h"

#include <SDL_image.h>

#include <algorithm>

namespace quenlit::platform {

OffscreenSurface::OffscreenSurface(int width, int height)
    : surface_(SDL_CreateRGBSurfaceWithFormat(0, std::max(width, 1), std::max(height, 1), 32,
                                              SDL_PIXELFORMAT_ARGB8888)) {}

OffscreenSurface::~OffscreenSurface() {
  SDL_FreeSurface(surface_);
}

SoftwareCanvas::SoftwareCanvas(int width, int height, FontLocator& fonts)
    : OffscreenSurface(width, height),
      RendererCanvas(SDL_CreateSoftwareRenderer(surface_), width, height, fonts) {}

bool SoftwareCanvas::SavePng(const std::string& path) const {
  if (!Valid()) return false;
  Flush();
  return IMG_SavePNG(surface_, path.c_str()) == 0;
}

uint32_t SoftwareCanvas::PixelAt(int x, int y) const {
  if (!Valid() || x < 0 || y < 0 || x >= surface_->w || y >= surface_->h) return 0;
  Flush();
  const auto* row = static_cast<const uint8_t*>(surface_->pixels) + y * surface_->pitch;
  return reinterpret_cast<const uint32_t*>(row)[x];
}

}  // namespace quenlit::platform

#pragma once

#include <SDL.h>

#include <string>

#include "platform/sdl/renderer_canvas.h"

namespace quenlit::platform {

// Owns the off-screen surface; a base of SoftwareCanvas so that the surface outlives the
// renderer drawing into it.
class OffscreenSurface {
 protected:
  OffscreenSurface(int width, int height);
  ~OffscreenSurface();
  OffscreenSurface(const OffscreenSurface&) = delete;
  OffscreenSurface& operator=(const OffscreenSurface&) = delete;
  SDL_Surface* surface_;
};

// A canvas that draws into a picture in memory with SDL's software renderer: no window and no
// display needed. Used by the headless driver for screenshots and by tests that look at pixels.
class SoftwareCanvas : private OffscreenSurface, public RendererCanvas {
 public:
  SoftwareCanvas(int width, int height, FontLocator& fonts);

  // False when the picture could not be made (too large for memory, say): SDL_GetError says
  // why, and nothing can be drawn or saved.
  bool Valid() const { return surface_ != nullptr && Renderer() != nullptr; }

  // Writes the picture as a PNG file; false (with SDL's reason in SDL_GetError) on failure.
  bool SavePng(const std::string& path) const;
  // The pixel at (x, y) as 0xAARRGGBB; 0 outside the picture.
  uint32_t PixelAt(int x, int y) const;

 protected:
  SDL_Surface* DrawnSurface() const override { return surface_; }
};

}  // namespace quenlit::platform

#pragma once

#include <SDL.h>

#include <memory>

#include "platform/sdl/renderer_canvas.h"

namespace quenlit::platform {

struct RendererChoice {
  bool accelerated = true;  // the configuration's HardWareAcceleration
  bool verticalSync = true;
};

// The canvas of the game window, of the window's size at this moment; nullptr (with SDL's
// reason in SDL_GetError) when no renderer can be made. An accelerated renderer falls back to
// the software one.
std::unique_ptr<RendererCanvas> CreateWindowCanvas(SDL_Window* window, RendererChoice choice,
                                                   FontLocator& fonts);

}  // namespace quenlit::platform

#pragma once

#include <SDL.h>

#include <memory>
#include <string>

#include "platform/sdl/renderer_canvas.h"

namespace quenlit::platform {

struct RendererChoice {
  bool accelerated = true;  // the configuration's HardWareAcceleration
  bool verticalSync = true;
};

// True when an OpenGL renderer string names a rasteriser that draws with the processor
// (Mesa's llvmpipe, softpipe or swrast): SDL's own software renderer is then far cheaper.
bool IsSoftwareRasteriser(const std::string& glRenderer);

// The canvas of the game window, of the window's size at this moment; nullptr (with SDL's
// reason in SDL_GetError) when no renderer can be made. The accelerated renderer is used only
// over a graphics processor; otherwise, or when it cannot be made, the software one. The
// choice and its reason are said once on stderr.
std::unique_ptr<RendererCanvas> CreateWindowCanvas(SDL_Window* window, RendererChoice choice,
                                                   FontLocator& fonts);

}  // namespace quenlit::platform

#include "platform/sdl/window_canvas.h"

namespace quenlit::platform {

std::unique_ptr<RendererCanvas> CreateWindowCanvas(SDL_Window* window, RendererChoice choice,
                                                   FontLocator& fonts) {
  const Uint32 vsync = choice.verticalSync ? SDL_RENDERER_PRESENTVSYNC : 0;
  SDL_Renderer* renderer = nullptr;
  if (choice.accelerated)
    renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | vsync);
  if (!renderer) renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE | vsync);
  if (!renderer) return nullptr;
  int width = 0, height = 0;
  SDL_GetWindowSize(window, &width, &height);
  return std::make_unique<RendererCanvas>(renderer, width, height, fonts);
}

}  // namespace quenlit::platform

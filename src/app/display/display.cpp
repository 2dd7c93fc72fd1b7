#include "app/display/display.h"

#include <algorithm>

#include "game/game.h"

namespace quenlit {

bool SetDisplayMode(int width, int height, SDL_DisplayMode& mode) {
  const int count = SDL_GetNumDisplayModes(0);
  for (int i = 0; i < count; ++i) {
    SDL_DisplayMode candidate{};
    if (SDL_GetDisplayMode(0, i, &candidate) == 0 && candidate.w == width &&
        candidate.h == height) {
      mode = candidate;  // modes come best first: the deepest colours, the highest rate
      return true;
    }
  }
  return false;
}

bool UsesDesktopFullScreen(const Game& game) {
  return game.settings.fullScreen != 0 && game.comfort.fitWindow && game.settings.fitScene;
}

bool ApplyFullScreen(const Game& game, SDL_DisplayMode& mode) {
  if (game.settings.fullScreen == 0 || UsesDesktopFullScreen(game)) return true;
  return SetDisplayMode(game.settings.windowWidth, game.settings.windowHeight, mode);
}

Size GetDesktopSize(const Game& game) {
  if (game.settings.fullScreen != 0) return {game.settings.windowWidth, game.settings.windowHeight};
  SDL_DisplayMode mode{};
  if (SDL_GetDesktopDisplayMode(0, &mode) != 0) return {800, 600};
  return {mode.w, mode.h};
}

WindowPlace FirstWindowPlace(const Game& game, Size desktop) {
  Size size{game.settings.windowWidth, game.settings.windowHeight};
  if (!game.comfort.fitWindow) return {(desktop.width - 800) / 2, (desktop.height - 600) / 2, size};
  SDL_Rect usable{};
  if (SDL_GetDisplayUsableBounds(0, &usable) == 0) {
    size.width = std::min(size.width, usable.w);
    size.height = std::min(size.height, usable.h);
  }
  return {static_cast<int>(SDL_WINDOWPOS_CENTERED_DISPLAY(0)),
          static_cast<int>(SDL_WINDOWPOS_CENTERED_DISPLAY(0)), size};
}

bool EnterFullScreen(SDL_Window* window, const SDL_DisplayMode& mode) {
  return SDL_SetWindowDisplayMode(window, &mode) == 0 &&
         SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN) == 0;
}

}  // namespace quenlit

#pragma once

#include <SDL.h>

#include "game/size.h"

namespace quenlit {

class Game;

// The display mode of exactly width x height on the primary display; false when it has none.
bool SetDisplayMode(int width, int height, SDL_DisplayMode& mode);

// With full screen asked for, picks the mode of the configured window size; true when no
// switch is needed or the mode exists. The switch itself happens once the window exists.
bool ApplyFullScreen(const Game& game, SDL_DisplayMode& mode);

// The size of the primary display's mode: the full-screen mode once full screen is asked for.
Size GetDesktopSize(const Game& game);

// Whether full screen takes the desktop as it is instead of switching modes: with [Comfort]
// FitWindow under Scale=fit, where the scene fits any size, so no mode can be missing.
bool UsesDesktopFullScreen(const Game& game);

// Where the first window opens and how large. As designed, it has the configured size and is
// placed as if it were 800 x 600 on a desktop of that size; with [Comfort] FitWindow it is
// centred on its display and no larger than the display's usable area.
struct WindowPlace {
  int x = 0, y = 0;
  Size size;
};
WindowPlace FirstWindowPlace(const Game& game, Size desktop);

// Puts the window in full screen with the mode; false when the display refuses it.
bool EnterFullScreen(SDL_Window* window, const SDL_DisplayMode& mode);

}  // namespace quenlit

#pragma once

#include "platform/sdl/renderer_canvas.h"

namespace quenlit {

class Game;

// Sets the canvas up as the configuration asks: under "[Display] Scale=fit" it fits the game's
// scene to its output.
void ConfigureCanvas(const Game& game, platform::RendererCanvas& canvas);

}  // namespace quenlit

#pragma once

namespace quenlit {
class Game;
}

namespace quenlit::ui {

// Paints the current screen from the state as the frame's update left it: the loading screen,
// or the layers of a game screen. It only reads the game.
void Paint(const Game& game, float now);

}  // namespace quenlit::ui

// One frame of the game, as the main loop, the headless driver and the tower checker run it.
// It ties the layers together: the battle's strike (battle/), the frame's update (game/) and
// the painting of the screen (ui/), so it lives above all three.
#include "game/game.h"

namespace quenlit {

void Game::Frame(float now, Painting painting) {
  if (screen == GameScreen::Battle) BattleStep(now);
  if (painting == Painting::On) {
    Render(now);
  } else {
    Update(now);
  }
}

}  // namespace quenlit

// One frame of the game, as the main loop, the headless driver and the tower checker run it.
// It ties the layers together: the battle's strike and the frame's update (game/) and the
// paint of the screen (ui/), so it lives above both.
#include "app/frame.h"

#include "game/game.h"
#include "ui/paint.h"

namespace quenlit {

void RenderFrame(Game& game, float now) {
  if (!game.Update(now)) return;
  game.loading.renderLock.acquire();
  ui::Paint(game, now);
  ++game.loading.framesDrawn;
  game.loading.renderLock.release();
}

void RunFrame(Game& game, float now, Painting painting) {
  if (game.screen == GameScreen::Battle) game.BattleStep(now);
  if (painting == Painting::On) {
    RenderFrame(game, now);
  } else {
    game.Update(now);
  }
}

}  // namespace quenlit

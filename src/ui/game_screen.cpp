// The layers of every game screen: the map view and status panel, then the overlay of the
// current screen.
#include "game/game.h"

namespace quenlit {

void Game::DrawGameScreen(float) {}

}  // namespace quenlit

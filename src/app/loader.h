#pragma once

namespace quenlit {

class Game;

// The loading thread's work: Game::Load, ending the process with a message when it fails.
void RunLoader(Game& game);

}  // namespace quenlit

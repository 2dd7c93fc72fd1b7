#pragma once

namespace quenlit {

class Game;

// Runs the whole loading sequence on this thread, handing the render lock to the renderer at
// every checkpoint (the game's onCheckpoint, or a yield). False when the game cannot start.
bool LoadAll(Game& game);

// The loading thread's work: LoadAll, ending the process with a message when it fails.
void RunLoader(Game& game);

}  // namespace quenlit

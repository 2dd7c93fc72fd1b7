// The loading sequence run to its end on one thread, while the main thread keeps drawing the
// loading screen.
#include "app/loading/loader.h"

#include <thread>

#include "app/loading/loading_sequence.h"
#include "app/settings/fatal.h"
#include "game/game.h"
#include "game_texts.h"

namespace quenlit {

bool LoadAll(Game& game) {
  LoadingSequence loading(game);
  while (!loading.Finished()) {
    if (!loading.RunNextStep()) return false;
    const int32_t value = loading.LastCheckpoint();
    if (value == 0) continue;
    // The new percentage is out and the lock is free: the main thread may draw it now. The
    // last checkpoint only leads to the publication, so nothing waits there.
    if (game.loading.onCheckpoint) {
      game.loading.onCheckpoint(value);
    } else if (value != 100) {
      std::this_thread::yield();
    }
  }
  return true;
}

void RunLoader(Game& game) {
  game.loading.loadProgress = 0;
  if (!LoadAll(game)) FatalError(game.shell, texts::kStartFailed, true);
  game.loading.loadProgress = 100;
}

}  // namespace quenlit

#include "app/loading_thread.h"

#include "app/loader.h"
#include "game/game.h"

namespace quenlit {

void AwaitDrawnFrame(const Game& game, std::chrono::milliseconds limit) {
  const uint32_t before = game.framesDrawn;
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (game.framesDrawn == before && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

LoadingThread::LoadingThread(Game& game) {
  // The last checkpoint hands nothing over: the loader takes the lock back at once.
  game.onCheckpoint = [&game](int32_t value) {
    if (value != 100) AwaitDrawnFrame(game, kHandOverLimit);
  };
  thread_ = std::thread([this, &game] {
    RunLoader(game);
    finished_ = true;
  });
}

LoadingThread::~LoadingThread() {
  Join();
}

void LoadingThread::Join() {
  if (thread_.joinable()) thread_.join();
}

}  // namespace quenlit

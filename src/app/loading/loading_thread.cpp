#include "app/loading/loading_thread.h"

#include "app/loading/loader.h"
#include "game/game.h"

namespace quenlit {

LoadingThread::LoadingThread(Game& game) {
  // No checkpoint waits for a drawn frame: the loading screen reads the latest progress at
  // its own pace, and the loader holds the render lock only to publish what it built.
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

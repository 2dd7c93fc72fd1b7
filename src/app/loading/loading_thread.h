#pragma once

#include <atomic>
#include <thread>

namespace quenlit {

class Game;

// The loading thread: runs the loading sequence beside the main loop, which draws the loading
// screen with the latest progress meanwhile.
class LoadingThread {
 public:
  explicit LoadingThread(Game& game);
  ~LoadingThread();
  LoadingThread(const LoadingThread&) = delete;
  LoadingThread& operator=(const LoadingThread&) = delete;

  bool Finished() const { return finished_; }
  // Waits for the end of the loading sequence.
  void Join();

 private:
  std::atomic<bool> finished_{false};
  std::thread thread_;
};

}  // namespace quenlit

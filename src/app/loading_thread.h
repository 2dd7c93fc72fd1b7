#pragma once

#include <atomic>
#include <chrono>
#include <thread>

namespace quenlit {

class Game;

// The loading thread: runs the loading sequence beside the main loop and hands the render
// lock to the renderer at every checkpoint until it has drawn a frame (or a short while has
// passed, should the main thread be busy elsewhere).
class LoadingThread {
 public:
  explicit LoadingThread(Game& game);
  ~LoadingThread();
  LoadingThread(const LoadingThread&) = delete;
  LoadingThread& operator=(const LoadingThread&) = delete;

  bool Finished() const { return finished_; }
  // Waits for the end of the loading sequence.
  void Join();

  // The longest the loader waits for a frame at one checkpoint.
  static constexpr std::chrono::milliseconds kHandOverLimit{100};

 private:
  std::atomic<bool> finished_{false};
  std::thread thread_;
};

// Waits until the renderer has drawn one more frame than it had when called, at most limit.
void AwaitDrawnFrame(const Game& game, std::chrono::milliseconds limit);

}  // namespace quenlit

#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <semaphore>

namespace quenlit {

// What the loading thread and the drawing of frames share while the game loads: the progress
// shown, the lock that keeps the loader's bitmap work and a frame apart, and the count of
// frames by which the loader knows that the lock really changed hands.
struct LoadingState {
  std::atomic<int32_t> loadProgress{0};  // 0 to 100, read by the drawing without the lock
  // Keeps the loading thread's bitmap work and the drawing of a frame apart.
  std::binary_semaphore renderLock{1};
  // Frames drawn so far; the loading thread watches it to hand the lock over for real.
  std::atomic<uint32_t> framesDrawn{0};
  // Called by the loader at each checkpoint with the lock free and the new progress
  // published; the program waits there for the renderer to draw a frame.
  std::function<void(int32_t)> onCheckpoint;
};

}  // namespace quenlit

#pragma once

#include <cstdint>

namespace quenlit {

// The loading screen's animation, a frame sequence of the registry.
inline constexpr const char* kLoadingSequence = "loading";

// The loading screen's animation and percentage, which chase the loading progress a step per
// drawn frame.
struct LoadingBar {
  int32_t loadingBarX = 100;  // horizontal centre of the loading animation
  float shownPercent = 0;     // the percentage on show: multiples of 5

  // One frame's chase of progress (0 to 100): the bar by 30 units up to 100 + 6 x progress,
  // the percentage by 5, or by 15 while it lags more than 10 behind.
  void Step(int32_t progress);
};

}  // namespace quenlit

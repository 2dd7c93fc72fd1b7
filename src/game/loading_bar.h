#pragma once

#include <cstdint>

namespace quenlit {

// The loading screen's animation and percentage, which chase the loading progress a step per
// drawn frame.
struct LoadingBar {
  int32_t loadingBarX = 100;  // horizontal centre of the loading animation
  float shownPercent = 0;     // the percentage on show
};

}  // namespace quenlit

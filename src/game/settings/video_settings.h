#pragma once

#include <cstdint>
#include <vector>

#include "game/size.h"

namespace quenlit {

// How the game is shown: the video settings of the configuration file, and the window sizes
// that F8 cycles through with the one in use.
struct VideoSettings {
  int32_t windowWidth = 0;
  int32_t windowHeight = 0;
  int32_t fps = 0;  // sprite-phase changes per second
  int32_t fullScreen = 0;
  int32_t hardwareAcceleration = 0;
  int32_t verticalSync = 0;
  int32_t performancePrior = 0;
  // Our own "[Display] Scale": "fit" draws the scene at the largest uniform scale that fits the
  // window, centred; "1" (the default) stretches the window's first size over the window.
  bool fitScene = false;

  std::vector<Size> displayModes;  // (width, height) each
  int32_t displayModeIndex = 0;
  // With [Comfort] FitWindow: the size the window was last given (0 x 0 for the configured
  // one), where F8 goes on from.
  Size windowSize;
};

}  // namespace quenlit

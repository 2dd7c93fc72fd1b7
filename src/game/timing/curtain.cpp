#include "game/timing/curtain.h"

namespace quenlit {

Curtain::Turn Curtain::Step() {
  if (fadeRising) {
    fadeLevel += fadeStep;
    if (fadeLevel <= 1.0f) return Turn::None;
    fadeLevel = 1.0f;
    fadeRising = false;
    return Turn::Closed;
  }
  fadeLevel -= fadeStep;
  if (fadeLevel >= 0.0f) return Turn::None;
  fadeLevel = 0.0f;
  fadeRising = true;
  return Turn::Opened;
}

}  // namespace quenlit

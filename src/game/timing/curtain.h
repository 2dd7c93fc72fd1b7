#pragma once

#include <cstdint>
#include <optional>

namespace quenlit {

// The curtain over the map: it closes and opens to hide the switch of floors on the stairs,
// and on the screens with an "-Enter-" prompt it rises and falls for ever, pulsing the prompt.
struct Curtain {
  float fadeStep = 0;       // change per drawn frame
  float fadeLevel = 0;      // 0 open to 1 closed
  bool fadeRising = false;  // closing
  // The floor the map still shows on the frame the curtain closed on a floor change: the map
  // under it was drawn before the curtain moved, so the new floor shows from the next frame on.
  std::optional<int32_t> floorLeftBehind;
  // The floor the stairs lead to: the hero moves there once the curtain has closed.
  int32_t targetFloor = 0;

  enum class Turn { None, Closed, Opened };
  // Moves the curtain by fadeStep; says whether it has just closed or opened.
  Turn Step();
};

}  // namespace quenlit

#pragma once

namespace quenlit {

// The curtain over the map: it closes and opens to hide the switch of floors on the stairs,
// and on the screens with an "-Enter-" prompt it rises and falls for ever, pulsing the prompt.
struct Curtain {
  float fadeStep = 0;       // change per drawn frame
  float fadeLevel = 0;      // 0 open to 1 closed
  bool fadeRising = false;  // closing
};

}  // namespace quenlit

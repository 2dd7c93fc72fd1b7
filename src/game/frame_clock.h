#pragma once

namespace quenlit {

// The clock of drawn frames: when the last one was drawn, for the cap of 60 a second, and
// the two-phase sprites' clock, which picks the "_1" or "_2" picture of characters, monsters,
// brambles and the walking hero.
struct FrameClock {
  float lastDrawnTime = 0;   // game clock of the last drawn frame
  float lastToggleTime = 0;  // game clock of the last sprite-phase change
  bool spritePhase = false;
};

}  // namespace quenlit

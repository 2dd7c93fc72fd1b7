#pragma once

#include <cstdint>

namespace quenlit {

// The clock of drawn frames: when the last one was drawn, for the cap of 60 a second, and
// the two-phase sprites' clock, which picks the "_1" or "_2" picture of characters, monsters,
// brambles and the walking hero. A clock of exactly 0 is a still: it always draws and moves
// neither clock.
struct FrameClock {
  float lastDrawnTime = 0;   // game clock of the last drawn frame
  float lastToggleTime = 0;  // game clock of the last sprite-phase change
  bool spritePhase = false;

  // Whether the cap lets a frame through at now; a frame that passes is stamped as drawn.
  bool Due(float now);
  // Seconds from now until the cap lets the next frame through, never more than one frame.
  float UntilDue(float now) const;
  // Flips the phase fps times a second. Paused, the phase holds but its time moves on, so the
  // sprites change again at the first tick after the pause.
  void TickSprites(float now, int32_t fps, bool paused);
};

}  // namespace quenlit

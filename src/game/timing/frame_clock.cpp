#include "game/timing/frame_clock.h"

#include <algorithm>

namespace quenlit {
namespace {

constexpr float kFrameInterval = 1.0f / 60.0f;

}  // namespace

bool FrameClock::Due(float now) {
  if (now == 0) return true;
  if (now - lastDrawnTime < kFrameInterval) return false;
  lastDrawnTime = now;
  return true;
}

float FrameClock::UntilDue(float now) const {
  return std::clamp(lastDrawnTime + kFrameInterval - now, 0.0f, kFrameInterval);
}

void FrameClock::TickSprites(float now, int32_t fps, bool paused) {
  if (now == 0 || now - lastToggleTime < 1.0f / static_cast<float>(fps)) return;
  if (!paused) spritePhase = !spritePhase;
  lastToggleTime = now;
}

}  // namespace quenlit

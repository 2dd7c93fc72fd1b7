#pragma once

#include <array>
#include <cstdint>

namespace quenlit {

// What the keys leave behind between presses: which are held on the map (the hero is drawn
// walking while an arrow is), and how far the arrows have shifted the battle effects.
struct KeyState {
  std::array<uint8_t, 256> keyDown{};  // one byte per virtual-key code, 1 while held
  int32_t battleNudgeX = 0;            // in units, right is positive
  int32_t battleNudgeY = 0;            // in units, down is positive
};

}  // namespace quenlit

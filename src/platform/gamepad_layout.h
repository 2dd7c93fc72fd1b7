#pragma once

#include <cstdint>

#include "base/key_codes.h"

namespace quenlit::platform {

// What each gamepad button is on the keyboard. The D-pad's directions are the arrows (the left
// stick is too, and both repeat while held).
struct PadBinding {
  const char* button;  // SDL's name of the game controller button
  const char* label;   // as the help names it; nullptr for the D-pad
  uint32_t key;        // the virtual-key code it presses
};

inline constexpr PadBinding kPadBindings[] = {
    {"dpleft", nullptr, vk::kLeft},
    {"dpup", nullptr, vk::kUp},
    {"dpright", nullptr, vk::kRight},
    {"dpdown", nullptr, vk::kDown},
    {"a", "A", vk::kEnter},
    {"b", "B", 'Q'},
    {"x", "X", 'D'},
    {"y", "Y", 'S'},
    {"start", "Start", 'P'},
    {"back", "Back", 'A'},
    {"leftshoulder", "left shoulder", vk::kF8},
    {"rightshoulder", "right shoulder", vk::kF8},
};

}  // namespace quenlit::platform

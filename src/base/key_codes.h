#pragma once

#include <cstdint>

// The game's keys as the platform delivers them and the rules read them: virtual-key codes
// (the letters are their upper-case ASCII codes) and the two key messages. Both sides include
// this, and it includes nothing of either.
namespace quenlit::vk {

constexpr uint32_t kEnter = 13, kEscape = 27, kLeft = 37, kUp = 38, kRight = 39, kDown = 40,
                   kF1 = 112, kF8 = 119;
constexpr uint32_t kKeyDown = 256, kKeyUp = 257;

}  // namespace quenlit::vk

#include "game/random.h"

#include <ctime>

namespace quenlit {

int Random::Next() {
  if (!seeded_) Seed(static_cast<uint32_t>(std::time(nullptr)));
  // The classic linear congruential generator of the C library, 15 bits per value.
  state_ = state_ * 214013u + 2531011u;
  return static_cast<int>((state_ >> 16) & 0x7FFF);
}

bool Random::RollChance(float probability) {
  return probability > static_cast<float>(Next()) / 32767.0f;
}

}  // namespace quenlit

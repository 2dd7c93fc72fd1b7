#pragma once

#include <cstdint>

namespace quenlit {

// The game's one random generator: values 0..32767, seeded once, from the calendar time on
// first use unless a seed was given before.
class Random {
 public:
  void Seed(uint32_t seed) {
    state_ = seed;
    seeded_ = true;
  }
  int Next();
  // True when p is greater than the next value / 32767.
  bool RollChance(float probability);

 private:
  uint32_t state_ = 0;
  bool seeded_ = false;
};

}  // namespace quenlit

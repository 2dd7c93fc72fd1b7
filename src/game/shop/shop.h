#pragma once

#include <atomic>
#include <cstdint>

namespace quenlit {

// The merchants' trade: the gold price of the next purchase, which rises with each by the
// terms of tower/characters.txt.
struct Shop {
  // Written by the loading thread and read by the main thread, hence atomic.
  std::atomic<int32_t> shopPrice{0};

  // One purchase: the price leaves the gold and the next one costs more. False, with
  // nothing changed, when the gold does not reach the price.
  bool Sell(int32_t& gold);
};

}  // namespace quenlit

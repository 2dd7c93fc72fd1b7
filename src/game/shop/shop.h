#pragma once

#include <atomic>
#include <cstdint>

namespace quenlit {

// The merchants' trade: the gold price of the next purchase, which rises by one with each.
struct Shop {
  static constexpr int32_t kOpeningPrice = 20;  // set when the game has loaded

  // Written by the loading thread and read by the main thread, hence atomic.
  std::atomic<int32_t> shopPrice{0};

  // One purchase: the price leaves the gold and the next one costs one more. False, with
  // nothing changed, when the gold does not reach the price.
  bool Sell(int32_t& gold);
};

}  // namespace quenlit

#include "game/shop/shop.h"

#include "game/bounded.h"

namespace quenlit {

bool Shop::Sell(int32_t& gold) {
  const int32_t price = shopPrice;
  if (gold < price) return false;
  AddBounded(gold, -int64_t{price});
  shopPrice = Clamp32(int64_t{price} + 1);
  return true;
}

}  // namespace quenlit

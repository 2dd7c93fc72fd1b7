#include "game/shop/shop.h"

#include "game/bounded.h"
#include "game/characters/character_tables.h"

namespace quenlit {

bool Shop::Sell(int32_t& gold) {
  const int32_t price = shopPrice;
  if (gold < price) return false;
  AddBounded(gold, -int64_t{price});
  shopPrice = Clamp32(int64_t{price} + kShopTerms.rise);
  return true;
}

}  // namespace quenlit

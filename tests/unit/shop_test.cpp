// The merchants' trade: a purchase takes the price from the gold and raises the price by one.
#include <gtest/gtest.h>

#include <limits>

#include "game/shop/shop.h"

namespace quenlit {
namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

TEST(Shop, SellsWhenTheGoldReachesThePriceAndRaisesIt) {
  struct Case {
    const char* what;
    int32_t gold, price;
    bool sold;
    int32_t goldAfter, priceAfter;
  };
  const Case cases[] = {
      {"gold to spare", 50, 20, true, 30, 21},
      {"exactly the price", 20, 20, true, 0, 21},
      {"one short: nothing changes", 19, 20, false, 19, 20},
      {"gold below zero from an edited save", -5, 20, false, -5, 20},
      {"the highest price stays the highest", kMax, kMax, true, 0, kMax},
  };
  for (const Case& c : cases) {
    Shop shop;
    shop.shopPrice = c.price;
    int32_t gold = c.gold;
    EXPECT_EQ(shop.Sell(gold), c.sold) << c.what;
    EXPECT_EQ(gold, c.goldAfter) << c.what;
    EXPECT_EQ(shop.shopPrice, c.priceAfter) << c.what;
  }
}

}  // namespace
}  // namespace quenlit

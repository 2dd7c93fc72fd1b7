// Numbers at the edge of the 32-bit range, as a save or an edited monster table can hold
// them: every sum and product stops at the edge instead of wrapping round, and ordinary
// numbers keep their results.
#include <gtest/gtest.h>

#include <limits>

#include "base/key_codes.h"
#include "game/bounded.h"
#include "game/tiles.h"
#include "world.h"

namespace quenlit::test {
namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

TEST(Bounded, ArithmeticStopsAtTheEdgesOfTheRange) {
  int32_t n = kMax - 1;
  AddBounded(n, 5);
  EXPECT_EQ(n, kMax);
  n = kMin + 1;
  AddBounded(n, -5);
  EXPECT_EQ(n, kMin);
  n = 7;
  AddBounded(n, -10);
  EXPECT_EQ(n, -3);
  EXPECT_EQ(SaturatingMultiply(int64_t{1} << 40, int64_t{1} << 40),
            std::numeric_limits<int64_t>::max());
  EXPECT_EQ(SaturatingMultiply(-(int64_t{1} << 40), int64_t{1} << 40),
            std::numeric_limits<int64_t>::min());
  EXPECT_EQ(TruncateToInt32(4.5f), 4);
  EXPECT_EQ(TruncateToInt32(-4.5f), -4);
  EXPECT_EQ(TruncateToInt32(1e20f), kMax);
  EXPECT_EQ(TruncateToInt32(-1e20f), kMin);
}

Monster Kind(int32_t hp, int32_t attack, int32_t defend, int32_t combo, const char* ability = "") {
  Monster m;
  m.ability = ability;
  m.keyName = "Monster1";
  m.hp = hp;
  m.attack = attack;
  m.defend = defend;
  m.combo = combo;
  return m;
}

TEST(Bounded, TheEstimateOfExtremeKindsStaysInRange) {
  struct Case {
    const char* what;
    Monster kind;
    int32_t heroAttack, heroDefence;
    int32_t expected;
  };
  const Case cases[] = {
      // The reproducer of an edited table: 99 health takes 9 strikes of 11 against 9 x 99999989.
      {"HP=99 Attack=99999999 Combo=9", Kind(99, 99999999, 0, 9), 11, 10, kMax},
      {"the hero's attack at the top", Kind(kMax, 20, -5, 1), kMax, 10, 0},
      {"a mage at the top", Kind(1000, kMax, 0, kMax, kMageAbility), 11, 10, kMax},
      {"a mage at the bottom", Kind(1000, kMin, 0, kMax, kMageAbility), 11, 10, kMin},
      {"an ordinary kind", Kind(100, 15, 10, 2), 20, 10, 9 * 2 * 5},
  };
  for (const Case& c : cases) {
    World world;
    world.hero.attack = c.heroAttack;
    world.hero.defence = c.heroDefence;
    world.game.world.monsters[1] = c.kind;
    EXPECT_EQ(world.game.EstimateDamage(1), c.expected) << c.what;
  }
}

TEST(Bounded, StrikesOfExtremeNumbersStopAtTheEdge) {
  World world;
  Game& game = world.game;
  world.hero.attack = kMax;
  game.battle.opponent.defend = -10;
  game.battle.opponent.hp = kMin + 3;
  game.HeroStrikeDamage();
  EXPECT_EQ(game.battle.opponent.hp, kMin);

  world.hero.defence = kMin;
  world.hero.hp = kMin + 1;
  game.battle.opponent.attack = kMax;
  game.HeroStrikeDamage();
  game.MonsterStrikeDamage(false);
  EXPECT_EQ(world.hero.hp, kMin);

  world.hero.hp = 1000;
  game.battle.critical = 1000.0f;
  game.MonsterStrikeDamage(true);  // a critical strike's damage stops at the top of the range
  EXPECT_EQ(world.hero.hp, 1000 - kMax);
}

TEST(Bounded, PickupsGiftsPurchasesAndRewardsStopAtTheTop) {
  World world;
  Hero& hero = world.hero;
  Game& game = world.game;
  hero.attack = kMax;
  hero.hp = kMax - 100;
  hero.Items(tile::kYellowKey) = kMax;
  hero.Items(tile::kGold) = kMax;
  EXPECT_TRUE(game.PickUpItem(213));  // the holy sword, +100 attack
  EXPECT_TRUE(game.PickUpItem(231));  // the blue potion, +400 health
  EXPECT_TRUE(game.PickUpItem(229));  // the master key
  EXPECT_TRUE(game.PickUpItem(228));  // gold
  EXPECT_EQ(hero.attack, kMax);
  EXPECT_EQ(hero.hp, kMax);
  EXPECT_EQ(hero.Items(tile::kYellowKey), kMax);
  EXPECT_EQ(hero.Items(tile::kBlueKey), 2);
  EXPECT_EQ(hero.Items(tile::kGold), kMax);

  // The reproducer of a damaged save: attack 2147483647 stays so after a purchase.
  game.BuyAttack();
  EXPECT_EQ(game.screen, GameScreen::Message);
  EXPECT_EQ(hero.attack, kMax);
  EXPECT_EQ(hero.Items(tile::kGold), kMax - 20);
  EXPECT_EQ(game.shop.shopPrice, 21);

  hero.exp = kMax - 1;
  game.battle.opponent.exp = 7;
  game.battle.opponent.gold = kMax;
  game.screen = GameScreen::BattleWon;
  world.Press(vk::kEnter);
  EXPECT_EQ(hero.exp, kMax);
  EXPECT_EQ(hero.Items(tile::kGold), kMax);
}

TEST(Bounded, ADoorNeedsAtLeastOneKey) {
  for (const int32_t keys : {0, -5, kMin}) {
    World world;
    world.SetCell(11, 7, tile::kYellowDoor);
    world.hero.Items(tile::kYellowKey) = keys;
    world.game.TryStep(Direction::Up);
    EXPECT_EQ(world.Cell(11, 7), tile::kYellowDoor) << keys;
    EXPECT_EQ(world.hero.Items(tile::kYellowKey), keys);
  }
}

}  // namespace
}  // namespace quenlit::test
